#pragma once

#include "seams/Prompts.h"

#include <string>

namespace zeft {

// The boxes of a production run. Before the loop they are the front end's own (the
// validation, the top-limit question, a closed port); inside it no box may wait for a
// hand at the bench, so an error or warning is kept as the sender's failure text, and the
// top-limit question, answered once before the loop for the same settings, is Yes.
class ProductionPrompts : public Prompts {
public:
    explicit ProductionPrompts(Prompts& front) : front_(front) {}

    void SetInLoop(bool inLoop) { inLoop_ = inLoop; }
    // The last error or warning kept in the loop; Forget clears it for the next sender.
    const std::string& Kept() const { return kept_; }
    void Forget() { kept_.clear(); }

    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowWarningWithDetail(const std::string& text, const std::string& detail) override;
    ConfirmAnswer Confirm(const std::string& text) override;
    void ShowApplicationError(const std::string& text) override;

private:
    Prompts& front_;
    bool inLoop_ = false;
    std::string kept_;
};

} // namespace zeft
