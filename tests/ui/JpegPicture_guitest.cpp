#include "ui/JpegPicture.h"

#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using zeft::testing::ScriptedPrompts;
using zeft::testing::TempFolder;
using zeft::ui::DecodeJpeg;
using zeft::ui::DecodeJpegFile;
using zeft::ui::FindPicture;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST(JpegPictureTest, EveryShippedPictureDecodesAtItsSize) {
    for (int shape = 1; shape <= 18; ++shape) {
        for (const QString& suffix : {QStringLiteral(""), QStringLiteral("h")}) {
            if (shape >= 12 && !suffix.isEmpty()) {
                continue; // the cylinder and the vessels have no half-tank picture
            }
            const QString path = FindPicture(QStringLiteral("pictures/shape%1%2.jpg").arg(shape).arg(suffix));
            SCOPED_TRACE(path.toStdString());
            QString problem;
            const QImage image = DecodeJpegFile(path, problem);
            ASSERT_FALSE(image.isNull()) << problem.toStdString();
            EXPECT_EQ(image.size(), QSize(440, 245));
        }
    }
    for (const QString& name :
         {QStringLiteral("pictures/volume_table.jpg"), QStringLiteral("pictures/height_table.jpg")}) {
        QString problem;
        const QImage image = DecodeJpegFile(FindPicture(name), problem);
        ASSERT_FALSE(image.isNull()) << problem.toStdString();
        EXPECT_EQ(image.size(), QSize(440, 259));
    }
}

TEST(JpegPictureTest, DamagedDataIsAnErrorNotAPicture) {
    const QByteArray good = ReadAll(FindPicture(QStringLiteral("pictures/shape1.jpg")));
    ASSERT_GT(good.size(), 1000);
    struct Case {
        const char* name;
        QByteArray data;
    };
    QByteArray flipped = good;
    for (qsizetype i = good.size() / 2; i < good.size() / 2 + 64; ++i) {
        flipped[i] = static_cast<char>(0xFF);
    }
    const Case cases[] = {
        {"empty", QByteArray()},          {"text", QByteArrayLiteral("this is not a picture at all")},
        {"header only", good.left(300)},  {"cut in half", good.left(good.size() / 2)},
        {"markers in the data", flipped},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString problem;
        EXPECT_TRUE(DecodeJpeg(c.data, problem).isNull());
        EXPECT_FALSE(problem.isEmpty());
    }
}

TEST(JpegPictureTest, LookupPrefersTheCurrentDirectory) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "pictures");
    folder.Write("pictures/shape5.jpg", "x");
    EXPECT_EQ(FindPicture(QStringLiteral("pictures/shape5.jpg"), {folder.Path(), "/nonexistent"}),
              QString::fromStdString((folder.Path() / "pictures/shape5.jpg").string()));
    EXPECT_EQ(FindPicture(QStringLiteral("pictures/shape99.jpg"), {folder.Path()}),
              QStringLiteral("pictures/shape99.jpg"));
}

TEST(JpegPictureTest, LoadPictureReportsTheFileAndTheProblem) {
    TempFolder folder;
    const auto saved = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    std::filesystem::create_directories("pictures");
    folder.Write("pictures/shape1.jpg", "garbage");
    ScriptedPrompts prompts;
    QLabel label;
    label.setPixmap(QPixmap(4, 4));
    const bool loaded = zeft::ui::LoadPicture(label, QStringLiteral("pictures/shape1.jpg"), prompts);
    std::filesystem::current_path(saved);
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(label.pixmap().isNull());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::Error);
    EXPECT_NE(prompts.shown[0].text.find("\"pictures/shape1.jpg\""), std::string::npos) << prompts.shown[0].text;
    EXPECT_NE(prompts.shown[0].text.find("not a readable JPEG"), std::string::npos) << prompts.shown[0].text;
}

} // namespace
