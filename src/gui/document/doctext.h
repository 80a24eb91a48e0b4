#pragma once
// Document text is 8-bit bytes in one code page; widgets show Unicode. These convert at the
// widget boundary, with one code page for the whole process (default "windows-1250").
#include <QString>

#include <string>

// Throws EKbError for a name the converter does not know; the previous code page then stays.
void SetDocCodePage(const QString& name);
QString DocCodePage();

QString DocToQt(const std::string& bytes);
// Characters the code page cannot hold become 0x1A; *lossy tells whether that happened,
// so that the caller can warn instead of storing damaged text silently.
std::string QtToDoc(const QString& text, bool* lossy = nullptr);
