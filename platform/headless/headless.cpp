#include "platform/headless/headless.h"

#include "platform/gdi/png.h"
#include "platform/window/app.h"
#include "platform/window/colour_chooser.h"
#include "platform/window/message_box.h"

namespace velinor {

HeadlessDriver::HeadlessDriver() : system_(*this) {}

void HeadlessDriver::Press(int x, int y) {
    system_.StylusDown(ToScreen(x, y));
    Pump();
}

void HeadlessDriver::Move(int x, int y) {
    system_.StylusMove(ToScreen(x, y));
    Pump();
}

void HeadlessDriver::Release(int x, int y) {
    system_.StylusUp(ToScreen(x, y));
    Pump();
}

void HeadlessDriver::Tap(int x, int y) {
    Press(x, y);
    Release(x, y);
}

void HeadlessDriver::Drag(std::span<const Point> points) {
    if (points.empty()) return;
    Press(points.front().x, points.front().y);
    for (const Point& p : points.subspan(1))
        Move(p.x, p.y);
    Release(points.back().x, points.back().y);
}

void HeadlessDriver::Key(uint32_t key) {
    system_.KeyDown(key);
    Pump();
}

void HeadlessDriver::Command(uint32_t id) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr || app->GetMainWnd() == nullptr) return;
    app->GetMainWnd()->PostMessage(WM_COMMAND, id);
    Pump();
}

void HeadlessDriver::Close() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr || app->GetMainWnd() == nullptr) return;
    app->GetMainWnd()->PostMessage(WM_CLOSE);
    Pump();
}

void HeadlessDriver::Wait(uint32_t ms) {
    const uint32_t end = now_ + ms;
    Pump();
    // A hook may wait inside a timer's handler: the clock never goes back past where it got.
    while (static_cast<int32_t>(end - now_) > 0) {
        auto next = system_.Timers().TimeToNextDue(now_);
        if (!next || *next > end - now_) break;
        now_ += *next;
        Pump();
    }
    if (static_cast<int32_t>(end - now_) > 0) now_ = end;
    Pump();
}

void HeadlessDriver::JumpClock(uint32_t ms) {
    now_ += ms;
    Pump();
}

void HeadlessDriver::AnswerNext(ModalHook hook) {
    nextHooks_.push_back(std::move(hook));
}

void HeadlessDriver::AnswerEvery(ModalHook hook) {
    everyHook_ = std::move(hook);
}

bool HeadlessDriver::Click(int id) {
    CDialog* modal = OpenModal();
    if (modal == nullptr || !modal->ClickControl(id)) return false;
    Pump();
    return true;
}

bool HeadlessDriver::ChooseColour(COLORREF colour) {
    auto* chooser = dynamic_cast<ColourChooserDialog*>(OpenModal());
    if (chooser == nullptr) return false;
    chooser->SetColour(colour);
    return Click(IDOK);
}

bool HeadlessDriver::WaitForInput(std::optional<uint32_t>) {
    CDialog* modal = system_.TopModal();
    // Outside a modal loop there is nobody to wait for; and each modal is answered once.
    if (modal == nullptr || !answered_.insert(system_.TopModalSerial()).second) return false;

    ModalRecord record;
    record.kind = modal->Kind();
    record.templateId = modal->TemplateId();
    record.caption = modal->GetWindowText();
    if (auto* box = dynamic_cast<MessageBoxDialog*>(modal)) {
        record.text = box->Text();
        record.type = box->Type();
    }
    ModalHook hook;
    if (!nextHooks_.empty()) {
        hook = std::move(nextHooks_.front());
        nextHooks_.pop_front();
    } else {
        hook = everyHook_;
    }
    record.answered = static_cast<bool>(hook);
    modals_.push_back(record);
    if (hook) hook(*modal);
    // Still open after its answer (or without one): closed as its close box would.
    if (modal->InModal()) modal->SendMessage(WM_CLOSE);
    return true;
}

COLORREF HeadlessDriver::ReadPixel(int x, int y) {
    Point p = ToScreen(x, y);
    const Bitmap& screen = Screen();
    if (!screen.Bounds().Contains(p)) return InvalidColour;
    return screen.ColourOf(screen.Value(p.x, p.y));
}

bool HeadlessDriver::WriteScreenPng(const std::string& path, std::string* error) {
    return SavePng(Screen(), path, error);
}

}  // namespace velinor
