#include "tests/platform/window/sample_app.h"

#include "platform/gdi/gdi.h"
#include "platform/window/window_system.h"

namespace velinor::test {

SampleFrame::SampleFrame() {
    SetResources(SampleResources);
    LoadFrame(128, FWS_ADDTOTITLE, nullptr, nullptr);
    if (!commandBar.HasWindow()) {
        commandBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR);
        commandBar.InsertMenuBar(128);
        commandBar.LoadToolBar(128);
    }
}

void SampleFrame::OnPaint() {
    log.push_back("paint");
    CPaintDC dc(this);
    if (painter) painter(dc);
}

const MessageMap* SampleFrame::GetMessageMap() const {
    static constexpr MessageEntry entries[] = {
        OnMessage<WM_LBUTTONDOWN, &SampleFrame::OnLButtonDown>,
        OnMessage<WM_PAINT, &SampleFrame::OnPaint>,
        OnCommand<40005, &SampleFrame::OnNewGame>,
        OnMessage<WM_TIMER, &SampleFrame::OnTimer>,
        OnMessage<WM_LBUTTONDBLCLK, &SampleFrame::OnLButtonDblClk>,
        OnCommand<40013, &SampleFrame::OnHint>,
        OnMessage<WM_LBUTTONUP, &SampleFrame::OnLButtonUp>,
        OnMessage<WM_MOUSEMOVE, &SampleFrame::OnMouseMove>,
    };
    static const MessageMap map{CFrameWnd::GetMessageMap(), entries};
    return &map;
}

void SampleFrame::OnTimer(uint32_t id) {
    log.push_back("timer " + std::to_string(id) + " at " + std::to_string(GetTickCount()));
}

void SampleDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Radio(dx, 1018, difficulty);
    DDX_Text(dx, 1024, summary);
}

bool SampleApp::InitInstance() {
    m_pMainWnd = std::make_unique<SampleFrame>();
    m_pMainWnd->ShowWindow(m_nCmdShow);
    m_pMainWnd->UpdateWindow();
    m_pMainWnd->SetWindowText("Velinor");
    return true;
}

}  // namespace velinor::test
