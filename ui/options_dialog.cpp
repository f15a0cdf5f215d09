#include "ui/options_dialog.h"

#include <array>
#include <string>

#include "game/game_context.h"
#include "platform/window/window_system.h"
#include "render/format_time.h"
#include "ui/dialog_templates.h"
#include "ui/history_graph.h"

namespace velinor {
namespace {

constexpr uint32_t ChooserFlags = CC_RGBINIT | CC_FULLOPEN | CC_SOLIDCOLOR;

std::string TimeText(int64_t ms) {
    char text[TimeTextSize];
    FormatTime(text, static_cast<uint32_t>(ms));
    return text;
}

}  // namespace

COLORREF ChooseLineColour(COLORREF current, COLORREF defaultColour, ColourChooserCall chooser) {
    std::array<COLORREF, CustomColourCount> custom;
    custom.fill(defaultColour);
    CHOOSECOLOR record{.lStructSize = ChooseColorRecordSize,
                       .hwndOwner = GetActiveWindow(),
                       .rgbResult = current,
                       .lpCustColors = custom.data(),
                       .Flags = ChooserFlags};
    return chooser(record) == 1 ? record.rgbResult : current;
}

const PlayerStats& SelectedStats(const Settings& settings, int32_t player, int32_t difficulty) {
    static const PlayerStats none{};
    if (player < 0 || player >= PlayerCount || difficulty < 0 || difficulty >= DifficultyCount)
        return none;
    return settings.stats[player][difficulty];
}

OptionsDialog::OptionsDialog(Settings& settingsRecord, const GameState& gameState)
    : CDialog(OptionsDialogId), settings(settingsRecord), state(gameState) {}

bool OptionsDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    languageIndex = settings.language;
    difficultyIndex = settings.difficulty;
    entryDifficulty = settings.difficulty;
    playerIndex = settings.player;
    entryPlayer = settings.player;
    symbolSetIndex = settings.symbolSet;
    RefreshTexts();
    UpdateData(false);
    StartRepaintTimer();
    return true;
}

void OptionsDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, GraphCanvas, graph);
    DDX_Control(dx, ButtonReset, resetButton);
    DDX_Radio(dx, RadioEnglish, languageIndex);
    DDX_Radio(dx, RadioPlayer1, playerIndex);
    DDX_Radio(dx, RadioEasy, difficultyIndex);
    DDX_Radio(dx, RadioDigits, symbolSetIndex);
    DDX_Text(dx, EditLabels, labelsText);
    DDX_Text(dx, EditValues, valuesText);
    DDX_Text(dx, EditSummary, summaryText);
}

const MessageMap* OptionsDialog::GetMessageMap() const {
    static constexpr MessageEntry entries[] = {
        OnMessage<WM_TIMER, &OptionsDialog::OnTimer>,
        OnMessage<WM_PAINT, &OptionsDialog::PaintHistoryGraph>,
        OnCommand<ButtonLineOK, &OptionsDialog::OnChooseLineOK>,
        OnCommand<ButtonLineVI, &OptionsDialog::OnChooseLineVI>,
        OnCommand<RadioEnglish, &OptionsDialog::OnLanguageChanged>,
        OnCommand<RadioFrench, &OptionsDialog::OnLanguageChanged>,
        OnCommand<ButtonReset, &OptionsDialog::OnResetStatistics>,
        OnCommand<RadioPlayer1, &OptionsDialog::OnPlayerChanged>,
        OnCommand<RadioPlayer2, &OptionsDialog::OnPlayerChanged>,
        OnCommand<RadioEasy, &OptionsDialog::OnDifficultyChanged>,
        OnCommand<RadioMedium, &OptionsDialog::OnDifficultyChanged>,
        OnCommand<RadioHard, &OptionsDialog::OnDifficultyChanged>,
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
}

// One shot: the graph is painted once more after the controls have drawn themselves.
void OptionsDialog::OnTimer(uint32_t id) {
    KillTimer(repaintTimer);
    Invalidate(false);
    CWnd::OnTimer(id);
}

void OptionsDialog::StartRepaintTimer() {
    repaintTimer = SetTimer(RepaintTimerId, RepaintDelay);
}

void OptionsDialog::PaintHistoryGraph() {
    CPaintDC paint(this);
    DC* dc = graph.GetDC();
    if (dc == nullptr) return;
    const bool entry = settings.difficulty == entryDifficulty && settings.player == entryPlayer;
    DrawHistoryGraph(*dc, SelectedStats(settings, settings.player, settings.difficulty),
                     settings.difficulty, entry ? state.elapsedMs : 0);
    graph.ReleaseDC(dc);
}

void OptionsDialog::OnChooseLineOK() {
    settings.lineOK = ChooseLineColour(settings.lineOK, DefaultLineOK);
    StartRepaintTimer();
}

void OptionsDialog::OnChooseLineVI() {
    settings.lineVI = ChooseLineColour(settings.lineVI, DefaultLineVI);
    StartRepaintTimer();
}

template <class Field>
void OptionsDialog::TakeChoice(const int32_t& index, Field& field) {
    UpdateData(true);
    if (index == field) return;
    field = static_cast<Field>(index);
    RefreshTexts();
    Invalidate(true);
    UpdateData(false);
}

void OptionsDialog::OnLanguageChanged() {
    TakeChoice(languageIndex, settings.language);
}

void OptionsDialog::OnPlayerChanged() {
    TakeChoice(playerIndex, settings.player);
}

void OptionsDialog::OnDifficultyChanged() {
    TakeChoice(difficultyIndex, settings.difficulty);
}

void OptionsDialog::OnResetStatistics() {
    const int32_t language = settings.language;
    if (MessageBox(Localized(language, "Are you sure?", "Vous êtes sûr?"),
                   Localized(language, "Warning", "Attention"), MB_OKCANCEL) != IDOK)
        return;
    ResetPlayerStats(settings);
    RefreshTexts();
    Invalidate(true);
    UpdateData(false);
}

void OptionsDialog::OnOK() {
    UpdateData(true);
    settings.difficulty = difficultyIndex;
    settings.language = languageIndex;
    settings.symbolSet = static_cast<int16_t>(symbolSetIndex);
    if (playerIndex != settings.player) {
        settings.player = static_cast<int16_t>(playerIndex);
        RefreshTexts();
        UpdateData(false);
    }
    EndDialog(IDOK);
}

void OptionsDialog::RefreshTexts() {
    const int32_t language = settings.language;
    labelsText =
        Localized(language, "Total played\r\nAverage time\r\nBest time\r\nPenalties\r\nReal time",
                  "Parties jouées\r\nTemps moyen\r\nMeilleur temps\r\nPénalités\r\nTemps passé");
    SetDlgItemText(resetButton.GetDlgCtrlID(),
                   Localized(language, "Reset statistics", "Remise à zéro des statistiques"));
    SetDlgItemText(RadioPlayer1, Localized(language, "Player 1", "Joueur 1"));
    SetDlgItemText(RadioPlayer2, Localized(language, "Player 2", "Joueur 2"));
    SetDlgItemText(RadioEasy, Localized(language, "Easy", "Facile"));
    SetDlgItemText(RadioMedium, Localized(language, "Medium", "Medium"));
    SetDlgItemText(RadioHard, Localized(language, "Hard", "Difficile"));

    const PlayerStats& s = SelectedStats(settings, settings.player, settings.difficulty);
    if (s.totalplay != 0) {
        const int64_t average =
            (int64_t{s.totaltime} + int64_t{PenaltyPerCellMs} * s.totalpenal) / s.totalplay;
        valuesText = std::to_string(s.totalplay) + "\r\n" + TimeText(average) + "\r\n" +
                     TimeText(s.besttime) + "\r\n" + std::to_string(s.totalpenal) + "\r\n" +
                     TimeText(s.totaltime);
    } else {
        valuesText = "0";
    }

    // Over the three difficulties of the player, in the 32 bits the counts have.
    uint32_t played = 0;
    uint32_t time = 0;
    for (int32_t difficulty = 0; difficulty < DifficultyCount; ++difficulty) {
        const PlayerStats& d = SelectedStats(settings, settings.player, difficulty);
        played += static_cast<uint32_t>(d.totalplay);
        time += static_cast<uint32_t>(d.totaltime);
    }
    const auto n = static_cast<int32_t>(played);
    if (language == 0) {
        summaryText = n > 0 ? "Total played: " + std::to_string(n) + " during " + TimeText(time)
                            : "No played games";
    } else {
        summaryText = n != 0 ? std::to_string(n) + " parties jouées en " + TimeText(time)
                             : "Pas de partie jouée";
    }
}

}  // namespace velinor
