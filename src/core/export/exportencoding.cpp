#include "export/exportencoding.h"

#include "model/utf8text.h"

std::string EncodeExport(std::string_view bytes, TExportEncoding encoding)
{
    return encoding == TExportEncoding::Utf8 ? Cp1250ToUtf8(bytes) : std::string(bytes);
}
