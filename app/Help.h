#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

class QFrame;
class QLabel;
class QPushButton;

namespace zeft::app {

// The maker's web address that the About box links to.
inline constexpr char kMakerWebAddress[] = "https://www.kov.example/zeft";

// The About box: program name, the version stamped into the program file, the year line
// and the maker's web link. Created once at start-up, shown modally from the Help menu.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    // programPath: the program file whose version is shown; the running program by default.
    explicit TAboutForm(QWidget* parent = nullptr, std::string programPath = {});

    // Four 16-bit numbers of the program file's version; all 0 when it has none.
    void GetBuildInfo(std::uint16_t& V1, std::uint16_t& V2, std::uint16_t& V3, std::uint16_t& V4) const;
    // The version as major.minor.release.build.
    std::string GetBuildInfoString() const;

    void FormCreate();
    void Label4Click();
    void BitBtn2Click();

    QFrame* Panel1;
    QLabel* Image3;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* LabelVerNum;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* BitBtn2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string programPath_;
};

} // namespace zeft::app
