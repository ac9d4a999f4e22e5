#include "printout/QtText.h"

#include "core/model/Message.h"
#include "core/text/Cp1252.h"

QString fromCp1252(std::string_view text)
{
    return QString::fromStdString(cairnly::toUtf8(text));
}

std::string toCp1252(const QString& text)
{
    if (auto whole = cairnly::fromUtf8(text.toStdString()))
        return *whole;
    // Only pasted or programmatic text can get here: what has no form is left out.
    std::string out;
    for (const char32_t c : text.toStdU32String()) {
        if (const auto converted = cairnly::fromUtf8(QString::fromUcs4(&c, 1).toStdString()))
            out += *converted;
    }
    return out;
}

std::filesystem::path toPath(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return cairnly::pathFromText(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString fromPath(const std::filesystem::path& path)
{
    const std::u8string utf8 = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()), static_cast<qsizetype>(utf8.size()));
}

QString messageText(const std::string& utf8)
{
    return QString::fromStdString(utf8).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
