#pragma once
// Document text is 8-bit bytes in one code page; widgets show Unicode. These convert at the
// widget boundary, with one code page for the whole process (default "windows-1250").
#include <QString>

#include <string>

// Throws EKbError for a name the converter does not know; the previous code page then stays.
void SetDocCodePage(const QString& name);
QString DocCodePage();

QString DocToQt(const std::string& bytes);
// A character the code page cannot hold throws EKbError naming it, so that nothing reaches
// the document as a silent 0x1A. A caller that passes `lossy` asks for the lossy text
// instead: such characters become 0x1A and *lossy tells whether that happened.
std::string QtToDoc(const QString& text, bool* lossy = nullptr);

// Where the first character the code page cannot hold starts (UTF-16 index), or -1.
qsizetype FirstUnstorable(const QString& text);
// Names the character starting at `index` of `text` and the code page that cannot hold it.
QString UnstorableMessage(const QString& text, qsizetype index);
