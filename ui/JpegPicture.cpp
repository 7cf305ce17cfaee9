#include "ui/JpegPicture.h"

#include "base/DataLocations.h"
#include "seams/Prompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPixmap>

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <system_error>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace zeft::ui {
namespace {

// Pictures larger than this are refused rather than allocated: a damaged header can claim
// any size.
constexpr JDIMENSION kMaxSide = 8000;

// libjpeg reports fatal errors through error_exit, which must not return; we jump back
// to the decoder instead of letting the library end the program.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnFatalError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings (such as a file cut short) are counted and the last one kept: the decoder
// treats them as a damaged picture.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0) {
        auto* manager = reinterpret_cast<ErrorManager*>(info->err);
        (*info->err->format_message)(info, manager->message);
        ++info->err->num_warnings;
    }
}

struct Decoded {
    std::vector<unsigned char> pixels; // RGB rows
    JDIMENSION width = 0;
    JDIMENSION height = 0;
};

// Only plain values live in this frame across setjmp, so the jump skips no destructor;
// the output buffer belongs to the caller. Returns an empty string on success.
const char* DecodeInto(const unsigned char* data, std::size_t size, Decoded& out, ErrorManager& errors) {
    jpeg_decompress_struct info;
    std::memset(&info, 0, sizeof info);
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnFatalError;
    errors.base.emit_message = OnMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return errors.message;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kMaxSide || info.image_height > kMaxSide) {
        jpeg_destroy_decompress(&info);
        std::snprintf(errors.message, sizeof errors.message, "the picture is too large");
        return errors.message;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.width = info.output_width;
    out.height = info.output_height;
    const std::size_t stride = static_cast<std::size_t>(out.width) * 3;
    out.pixels.resize(stride * out.height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.pixels.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    const long warnings = errors.base.num_warnings;
    jpeg_destroy_decompress(&info);
    return warnings > 0 ? errors.message : "";
}

} // namespace

QImage DecodeJpeg(const QByteArray& data, QString& problem) {
    if (data.isEmpty()) {
        problem = QCoreApplication::translate("JpegPicture", "the file is empty");
        return {};
    }
    Decoded decoded;
    ErrorManager errors{};
    const char* failure = DecodeInto(reinterpret_cast<const unsigned char*>(data.constData()),
                                     static_cast<std::size_t>(data.size()), decoded, errors);
    if (failure[0] != '\0') {
        problem = QCoreApplication::translate("JpegPicture", "the file is not a readable JPEG picture (%1)")
                      .arg(QString::fromLocal8Bit(failure));
        return {};
    }
    QImage image(static_cast<int>(decoded.width), static_cast<int>(decoded.height), QImage::Format_RGB888);
    if (image.isNull()) {
        problem = QCoreApplication::translate("JpegPicture", "there is not enough memory for the picture");
        return {};
    }
    const std::size_t stride = static_cast<std::size_t>(decoded.width) * 3;
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(image.scanLine(y), decoded.pixels.data() + stride * static_cast<std::size_t>(y), stride);
    }
    problem.clear();
    return image;
}

QImage DecodeJpegFile(const QString& path, QString& problem) {
    QFile file(path);
    if (!file.exists()) {
        problem = QCoreApplication::translate("JpegPicture", "the file does not exist");
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        problem = QCoreApplication::translate("JpegPicture", "the file cannot be opened (%1)").arg(file.errorString());
        return {};
    }
    // Pictures are small; anything far larger is not one of ours.
    constexpr qint64 kMaxFileSize = 32 * 1024 * 1024;
    if (file.size() > kMaxFileSize) {
        problem = QCoreApplication::translate("JpegPicture", "the file is too large for a picture");
        return {};
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        problem = QCoreApplication::translate("JpegPicture", "the file cannot be read (%1)").arg(file.errorString());
        return {};
    }
    return DecodeJpeg(data, problem);
}

std::vector<std::filesystem::path> PictureRoots() {
    std::vector<std::filesystem::path> roots{"."};
    const DataLocations locations = DataLocations::ForThisProgram();
    for (const std::filesystem::path& root : locations.Roots()) {
        if (root != ".") {
            roots.push_back(root);
        }
    }
    return roots;
}

QString FindPicture(const QString& relativeName, const std::vector<std::filesystem::path>& roots) {
    const std::filesystem::path name(relativeName.toStdU16String());
    for (const std::filesystem::path& root : roots) {
        const std::filesystem::path candidate = root / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return root == "." ? relativeName : QString::fromStdU16String(candidate.u16string());
        }
    }
    return relativeName;
}

bool LoadPicture(QLabel& image, const QString& relativeName, Prompts& prompts) {
    const QString path = FindPicture(relativeName);
    QString problem;
    const QImage picture = DecodeJpegFile(path, problem);
    if (picture.isNull()) {
        image.clear();
        prompts.ShowError(QCoreApplication::translate("JpegPicture", "Cannot load the picture \"%1\": %2.")
                              .arg(path, problem)
                              .toStdString());
        return false;
    }
    image.setPixmap(QPixmap::fromImage(picture));
    return true;
}

} // namespace zeft::ui
