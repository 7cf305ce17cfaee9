#pragma once

#include <string>

namespace zeft {

// How a confirmation box was closed. Closing it by its title-bar button is not a No.
enum class ConfirmAnswer { Yes, No, Closed };

// Every message box of the program goes through this service, with the product's
// captions: "Error" (error icon, OK), "Warning" (warning icon, OK) and "Confirm"
// (question icon, Yes and No). The windows use a Qt implementation; tests script it.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual void ShowError(const std::string& text) = 0;
    virtual void ShowWarning(const std::string& text) = 0;
    // The same warning with a second, smaller text under it (such as the operating
    // system's reason why a port did not open). Implementations without room for it
    // show the text alone.
    virtual void ShowWarningWithDetail(const std::string& text, const std::string& detail) {
        static_cast<void>(detail);
        ShowWarning(text);
    }
    virtual ConfirmAnswer Confirm(const std::string& text) = 0;

    // The application's general error box: the program's title as caption, stop icon, OK.
    // For errors that escape an operation, such as a file that cannot be written.
    virtual void ShowApplicationError(const std::string& text) = 0;
};

} // namespace zeft
