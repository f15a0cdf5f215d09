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
        OnCommand<40009, &SampleFrame::OnLearnRules>,
        OnCommand<40011, &SampleFrame::OnNewGame>,
        OnMessage<WM_LBUTTONDBLCLK, &SampleFrame::OnLButtonDblClk>,
        OnCommand<40013, &SampleFrame::OnHint>,
        OnCommand<40014, &SampleFrame::OnHint>,
        OnMessage<WM_LBUTTONUP, &SampleFrame::OnLButtonUp>,
        OnMessage<WM_MOUSEMOVE, &SampleFrame::OnMouseMove>,
        OnCommand<40003, &SampleFrame::OnAbout>,
        OnCommand<40004, &SampleFrame::OnOptions>,
    };
    static const MessageMap map{CFrameWnd::GetMessageMap(), entries};
    return &map;
}

void SampleFrame::OnTimer(uint32_t id) {
    log.push_back("timer " + std::to_string(id) + " at " + std::to_string(GetTickCount()));
}

void SampleFrame::OnAbout() {
    boxResult = MessageBox("Velinor 1.3\r\nA link-the-pairs puzzle\r\nVelinor", "About", MB_OK);
}

void SampleFrame::OnOptions() {
    SampleDialog dialog;
    dialogResult = dialog.DoModal();
}

bool SampleDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    symbolSet = difficulty = language = player = initialIndex;
    UpdateData(false);
    repaintTimer_ = SetTimer(1, 50);
    return true;
}

void SampleDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, 1027, graph);
    DDX_Control(dx, 1008, reset);
    DDX_Radio(dx, 1001, language);
    DDX_Radio(dx, 1026, player);
    DDX_Radio(dx, 1018, difficulty);
    DDX_Radio(dx, 1022, symbolSet);
    DDX_Text(dx, 1003, labels);
    DDX_Text(dx, 1024, summary);
}

const MessageMap* SampleDialog::GetMessageMap() const {
    static constexpr MessageEntry entries[] = {
        OnMessage<WM_TIMER, &SampleDialog::OnTimer>,
        OnMessage<WM_PAINT, &SampleDialog::OnPaint>,
        OnCommand<1008, &SampleDialog::OnReset>,
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
}

void SampleDialog::OnTimer(uint32_t id) {
    log.push_back("timer " + std::to_string(id));
    KillTimer(repaintTimer_);
    Invalidate(false);
    CWnd::OnTimer(id);
}

// A graph in the spirit of the statistics: white ground, two axes, a few red bars.
void SampleDialog::OnPaint() {
    log.push_back("paint");
    CPaintDC paint(this);
    DC* dc = graph.GetDC();
    if (dc == nullptr) return;
    dc->SelectPen(CreatePen(PenStyle::Solid, 1, RGB(255, 255, 255)));
    dc->SelectBrush(GetStockBrush(StockBrush::White));
    Rectangle(*dc, 0, 0, 127, 76);
    dc->SelectPen(GetStockPen(StockPen::Black));
    const Point axes[] = {{3, 0}, {3, 72}, {127, 72}};
    Polyline(*dc, axes);
    dc->SelectPen(CreatePen(PenStyle::Solid, 2, RGB(255, 0, 0)));
    for (int i = 0; i < 6; ++i) {
        const Point bar[] = {{25 + 12 * i, 72}, {25 + 12 * i, 60 - 9 * i}};
        Polyline(*dc, bar);
    }
    graph.ReleaseDC(dc);
}

void SampleDialog::OnReset() {
    int answer = MessageBox("Are you sure?", "Warning", MB_OKCANCEL);
    log.push_back("reset " + std::to_string(answer));
}

bool SampleApp::InitInstance() {
    m_pMainWnd = std::make_unique<SampleFrame>();
    m_pMainWnd->ShowWindow(m_nCmdShow);
    m_pMainWnd->UpdateWindow();
    m_pMainWnd->SetWindowText("Velinor");
    return true;
}

const MessageMap* SampleApp::GetMessageMap() const {
    static constexpr MessageEntry entries[] = {
        OnCommand<40001, &CWinApp::OnAppExit>,
    };
    static const MessageMap map{CWinApp::GetMessageMap(), entries};
    return &map;
}

}  // namespace velinor::test
