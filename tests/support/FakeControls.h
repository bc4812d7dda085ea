#pragma once
// A dialog without a window: every control's state kept by id, every
// message box recorded, and the answers to questions scripted in advance.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/DialogControls.h"

namespace tintfall {

class FakeControls : public DialogControls {
public:
    struct Control {
        std::string text;
        bool checked = false;
        bool enabled = true;
        std::vector<std::string> items;
        int selection = -1;
        int spinLow = 0;
        int spinHigh = 0;
        int spinPosition = 0;
    };
    struct Message {
        enum Kind { Error, Information, Question } kind;
        std::string title;
        std::string text;
    };

    void setText(int id, const std::string& text) override { controls_[id].text = text; }
    std::string text(int id) override { return controls_[id].text; }
    void setChecked(int id, bool checked) override { controls_[id].checked = checked; }
    bool isChecked(int id) override { return controls_[id].checked; }
    void setEnabled(int id, bool enabled) override { controls_[id].enabled = enabled; }
    void addListItem(int id, const std::string& text) override { controls_[id].items.push_back(text); }
    void selectListItem(int id, int index) override;
    int listSelection(int id) override { return controls_[id].selection; }
    void setSpinRange(int id, int low, int high) override;
    void setSpinPosition(int id, int position) override;
    int spinPosition(int id) override { return controls_[id].spinPosition; }
    void setWindowTitle(const std::string& title) override { title_ = title; }
    void startTimer(int id, unsigned periodMs) override { timers_[id] = periodMs; }
    void stopTimer(int id) override { timers_.erase(id); }
    void endDialog(int result) override { endResult_ = result; }
    void showError(const std::string& text) override;
    void showInformation(const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& text) override;

    // Read-only view of a control (a control never touched reads as default).
    const Control& control(int id) { return controls_[id]; }
    bool enabled(int id) { return controls_[id].enabled; }
    const std::string& title() const { return title_; }
    // The period of a running timer, 0 when it is not running.
    unsigned timerPeriod(int id) const {
        const auto found = timers_.find(id);
        return found == timers_.end() ? 0 : found->second;
    }
    // 0 while the dialog is open.
    int endResult() const { return endResult_; }
    // The same controls for the next dialog: open again, messages kept.
    void reopen() { endResult_ = 0; }
    const std::vector<Message>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }

    // Answers for the coming questions, in order; an unscripted question is
    // answered No.
    void answerNext(bool yes) { answers_.push_back(yes); }

    // User actions: what a player does to a control, without the model's
    // reaction (the test calls the model's handler next).
    void type(int id, const std::string& text) { controls_[id].text = text; }
    void tick(int id, bool checked) { controls_[id].checked = checked; }
    // One click on an arrow: the position moves within the range.
    void stepSpin(int id, int delta) { setSpinPosition(id, controls_[id].spinPosition + delta); }

private:
    std::map<int, Control> controls_;
    std::string title_;
    std::map<int, unsigned> timers_;
    int endResult_ = 0;
    std::vector<Message> messages_;
    std::deque<bool> answers_;
};

}  // namespace tintfall
