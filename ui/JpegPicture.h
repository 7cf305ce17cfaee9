#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <filesystem>
#include <vector>

class QLabel;

namespace zeft {
class Prompts;
}

namespace zeft::ui {

// Decodes JPEG data through libjpeg. On failure the image is null and problem says why;
// a damaged file is never decoded into a half-grey picture without a word.
QImage DecodeJpeg(const QByteArray& data, QString& problem);

// Reads and decodes a JPEG file; problem names what went wrong (missing, unreadable,
// not a JPEG, damaged).
QImage DecodeJpegFile(const QString& path, QString& problem);

// The folders a relative picture name is looked up in, in this order: the current
// directory (where the pictures always were), the program's folder, the installed data
// folder (../share/zeft next to the program), and the source tree when the program runs
// from its build tree.
std::vector<std::filesystem::path> PictureRoots();

// The first existing file of that relative name (e.g. "pictures/shape3.jpg") under the
// roots; the name itself when none has it, so that the error names what was looked for.
QString FindPicture(const QString& relativeName, const std::vector<std::filesystem::path>& roots = PictureRoots());

// Shows the picture in the label at its own size. When it cannot be loaded, the label is
// cleared and an error box names the file and the problem; returns whether it loaded.
bool LoadPicture(QLabel& image, const QString& relativeName, Prompts& prompts);

} // namespace zeft::ui
