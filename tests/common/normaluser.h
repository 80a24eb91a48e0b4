#pragma once
// Permission checks hold back a normal user only, and the suite may run as root (CI does):
// what depends on them runs in a child process that has given up root.
#include <filesystem>
#include <functional>
#include <string>

// Runs fn in a child process and returns what it returned (or the message of what it threw).
// When this process is root, the child first becomes the user and group 65534 (nobody).
std::string RunAsNormalUser(const std::function<std::string()>& fn);

// Gives dir and everything below it to that user when this process is root, so that the child
// of RunAsNormalUser can work in it as its owner; does nothing otherwise.
void GiveToNormalUser(const std::filesystem::path& dir);
