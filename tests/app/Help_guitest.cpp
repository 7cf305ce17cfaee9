#include "app/Help.h"
#include "app/HelpArguments.h"
#include "app/ProgramFileVersion.h"
#include "base/DataLocations.h"
#include "tests/support/TabOrder.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using zeft::app::TAboutForm;

#ifndef _WIN32
void Put(std::vector<unsigned char>& out, std::size_t at, std::uint64_t value, int width) {
    if (out.size() < at + static_cast<std::size_t>(width)) {
        out.resize(at + static_cast<std::size_t>(width));
    }
    for (int i = 0; i < width; ++i) {
        out[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
    }
}

// A minimal 64-bit little-endian ELF file with a section string table and, when
// noteName is given, a ".note.zeft" section holding one note with the two version words.
std::vector<unsigned char> MakeElf(const std::string& noteName, std::uint32_t high, std::uint32_t low,
                                   std::uint32_t noteType = zeft::kVersionNoteType) {
    std::vector<unsigned char> file(64, 0);
    const unsigned char ident[] = {0x7f, 'E', 'L', 'F', 2, 1, 1};
    std::copy(std::begin(ident), std::end(ident), file.begin());
    const std::string names = std::string("\0.shstrtab\0.note.zeft\0", 22);
    const std::size_t namesAt = file.size();
    file.insert(file.end(), names.begin(), names.end());
    while (file.size() % 4 != 0) {
        file.push_back(0);
    }
    const std::size_t noteAt = file.size();
    if (!noteName.empty()) {
        const std::size_t nameSize = noteName.size() + 1;
        Put(file, noteAt, nameSize, 4);
        Put(file, noteAt + 4, 8, 4);
        Put(file, noteAt + 8, noteType, 4);
        std::vector<unsigned char> name(noteName.begin(), noteName.end());
        name.resize((nameSize + 3) & ~std::size_t{3}, 0);
        file.insert(file.end(), name.begin(), name.end());
        Put(file, file.size(), high, 4);
        Put(file, file.size(), low, 4);
    }
    const std::size_t noteSize = file.size() - noteAt;
    while (file.size() % 8 != 0) {
        file.push_back(0);
    }
    const std::size_t sectionsAt = file.size();
    file.resize(sectionsAt + 3 * 64, 0);
    // [1] .shstrtab, [2] .note.zeft
    Put(file, sectionsAt + 64 + 0, 1, 4);
    Put(file, sectionsAt + 64 + 4, 3, 4);
    Put(file, sectionsAt + 64 + 0x18, namesAt, 8);
    Put(file, sectionsAt + 64 + 0x20, names.size(), 8);
    Put(file, sectionsAt + 128 + 0, 11, 4);
    Put(file, sectionsAt + 128 + 4, 7, 4);
    Put(file, sectionsAt + 128 + 0x18, noteAt, 8);
    Put(file, sectionsAt + 128 + 0x20, noteSize, 8);
    Put(file, 0x28, sectionsAt, 8);
    Put(file, 0x3A, 64, 2);
    Put(file, 0x3C, 3, 2);
    Put(file, 0x3E, 1, 2);
    return file;
}
#endif

class TempFile {
public:
    explicit TempFile(const std::vector<unsigned char>& bytes)
        : path_(std::filesystem::temp_directory_path() /
                ("zeft-version-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 std::to_string(counter_++))) {
        std::ofstream out(path_, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

std::string VersionShown(const std::string& programPath) {
    TAboutForm form(nullptr, programPath);
    return form.LabelVerNum->text().toStdString();
}

TEST(AboutFormTest, ShowsTheVersionStampedIntoTheRunningProgram) {
    TAboutForm form;
    EXPECT_EQ(form.windowTitle(), "About ZEFT Programmer");
    EXPECT_EQ(form.LabelVerNum->text(), "1.0.0.8");
    EXPECT_EQ(form.GetBuildInfoString(), "1.0.0.8");
    EXPECT_EQ(form.Label2->text(), "Version:");
    EXPECT_EQ(form.Label1->text(), "ZEFT Programmer");
    EXPECT_EQ(form.BitBtn2->text(), "&OK");
}

#ifdef _WIN32
// The version resource of another program file, and of files without one.
TEST(AboutFormTest, VersionOfOtherProgramFiles) {
    const std::vector<unsigned char> text{'h', 'e', 'l', 'l', 'o'};
    const TempFile notAProgram(text);
    EXPECT_EQ(VersionShown((zeft::ProgramFolder() / "zeftctl.exe").string()), "1.0.0.8");
    EXPECT_EQ(VersionShown(notAProgram.Path()), "0.0.0.0");
    EXPECT_EQ(VersionShown("C:\\nonexistent\\zeft.exe"), "0.0.0.0");
}
#else
TEST(AboutFormTest, VersionOfOtherProgramFiles) {
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        const char* shown;
    };
    std::vector<unsigned char> truncated = MakeElf("ZEFT", 0x0002000A, 0x0000012C);
    truncated.resize(truncated.size() - 100);
    const Case cases[] = {
        {"a note with 2.10.0.300", MakeElf("ZEFT", 0x0002000A, 0x0000012C), "2.10.0.300"},
        {"high halves used", MakeElf("ZEFT", 0xFFFF0001, 0x00020003), "65535.1.2.3"},
        {"no note in the section", MakeElf("", 0, 0), "0.0.0.0"},
        {"a note of another owner", MakeElf("GNU", 0x00010000, 0), "0.0.0.0"},
        {"a note of another type", MakeElf("ZEFT", 0x00010000, 0, 3), "0.0.0.0"},
        {"section table cut off", truncated, "0.0.0.0"},
        {"not a program file", std::vector<unsigned char>{'h', 'e', 'l', 'l', 'o'}, "0.0.0.0"},
        {"an empty file", {}, "0.0.0.0"},
    };
    for (const Case& c : cases) {
        const TempFile file(c.bytes);
        EXPECT_EQ(VersionShown(file.Path()), c.shown) << c.what;
    }
    EXPECT_EQ(VersionShown("/nonexistent/zeft"), "0.0.0.0");
}
#endif

TEST(AboutFormTest, OkClosesTheBoxWithAccept) {
    TAboutForm form;
    form.show();
    QSignalSpy accepted(&form, &QDialog::accepted);
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_FALSE(form.isVisible());
}

// Takes the web addresses the box asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    std::vector<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

// The keyboard reaches the web link, then OK; Enter on the link opens it and does not
// press the default OK.
TEST(AboutFormTest, TheLinkIsReachedAndOpenedFromTheKeyboard) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    TAboutForm form;
    form.show();
    QSignalSpy accepted(&form, &QDialog::accepted);
    EXPECT_EQ(form.focusWidget(), form.BitBtn2) << "Enter on opening closes the box";
    EXPECT_EQ(zeft::testing::TabOrder(form, form.Label4), (std::vector<std::string>{"Label4", "BitBtn2"}));
    form.Label4->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.Label4->hasFocus(); }, 2000));
    QTest::keyClick(form.Label4, Qt::Key_Return);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.opened.size(), 1u);
    EXPECT_EQ(catcher.opened[0].toString(), zeft::app::kMakerWebAddress);
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_TRUE(form.isVisible());
}

TEST(AboutFormTest, NoTextIsClipped) {
    TAboutForm form;
    for (QLabel* label : {form.Label1, form.Label2, form.LabelVerNum, form.Label3, form.Label4}) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
        EXPECT_LE(label->geometry().right(), form.width()) << label->objectName().toStdString();
    }
    EXPECT_LE(form.BitBtn2->geometry().bottom(), form.height());
    EXPECT_GE(form.BitBtn2->width(), form.BitBtn2->sizeHint().width());
}

// zeft answers --help and --version without a window (the manual page is made from them);
// Qt's own options and anything else start the program.
TEST(HelpArgumentsTest, AnswersOnlyItsOwnOptions) {
    struct Case {
        std::vector<const char*> arguments;
        bool answered;
        const char* start; // how the printed text begins
    };
    const Case cases[] = {
        {{"zeft", "--help"}, true, "Usage: zeft "},
        {{"zeft", "-h"}, true, "Usage: zeft "},
        {{"zeft", "-platform", "offscreen", "--version"}, true, "zeft 1."},
        {{"zeft"}, false, ""},
        {{"zeft", "-platform", "offscreen"}, false, ""},
        {{"zeft", "--helpful"}, false, ""},
    };
    for (const Case& c : cases) {
        std::FILE* out = std::tmpfile();
        ASSERT_NE(out, nullptr);
        const std::optional<int> status =
            zeft::app::AnswerHelpArguments(static_cast<int>(c.arguments.size()), c.arguments.data(), out);
        std::rewind(out);
        char text[64] = {};
        const std::size_t length = std::fread(text, 1, sizeof text - 1, out);
        std::fclose(out);
        SCOPED_TRACE(c.arguments.back());
        EXPECT_EQ(status.has_value(), c.answered);
        EXPECT_EQ(status.value_or(0), 0);
        EXPECT_EQ(std::string(text, length).substr(0, std::strlen(c.start)), c.start);
        EXPECT_EQ(length == 0, !c.answered); // nothing printed when the program starts
    }
}

} // namespace

#include "Help_guitest.moc"
