#include "app/shell/local_file_encoding.h"

#include <QString>

namespace numeralia::app {

namespace {

#ifdef Q_OS_WIN
class CodePageEncoding final : public FileTextEncoding {
public:
    std::string toFile(std::string_view utf8) const override {
        const QByteArray bytes =
            QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toLocal8Bit();
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    std::string fromFile(std::string_view bytes) const override {
        return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size())).toStdString();
    }
};
#endif

}  // namespace

const FileTextEncoding& localFileEncoding() {
#ifdef Q_OS_WIN
    static const CodePageEncoding encoding;
    return encoding;
#else
    return utf8Encoding();
#endif
}

}  // namespace numeralia::app
