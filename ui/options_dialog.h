// The Options dialog: symbol set, difficulty, line colours, language and player, and the
// statistics of the selected player and difficulty as text and as the time graph.
#pragma once

#include <cstdint>
#include <string>

#include "game/game_state.h"
#include "platform/window/colour_chooser.h"
#include "platform/window/dialog.h"
#include "store/settings.h"

namespace velinor {

// The controls of the dialog's template.
enum OptionsControl : int {
    ButtonLineOK = 1032,
    ButtonLineVI = 1033,
    RadioDigits = 1022,  // the symbol sets
    RadioLetters = 1023,
    RadioSigns = 1025,
    RadioEasy = 1018,
    RadioMedium = 1019,
    RadioHard = 1020,
    GraphCanvas = 1027,
    EditValues = 1010,
    EditLabels = 1003,
    RadioEnglish = 1001,
    RadioFrench = 1007,
    ButtonReset = 1008,
    EditSummary = 1024,
    RadioPlayer1 = 1026,
    RadioPlayer2 = 1029,
};

constexpr uint32_t RepaintTimerId = 1;
constexpr uint32_t RepaintDelay = 50;

// The colour chooser opened on `current`, its 16 custom colours all `defaultColour`: the chosen
// colour, or `current` when it was cancelled or failed. `chooser` runs the chooser.
using ColourChooserCall = int (*)(CHOOSECOLOR& record);
COLORREF ChooseLineColour(COLORREF current, COLORREF defaultColour,
                          ColourChooserCall chooser = ChooseColor);

// The statistics of this player at this difficulty; empty ones for a player or difficulty that
// only a hand-edited store can hold.
const PlayerStats& SelectedStats(const Settings& settings, int32_t player, int32_t difficulty);

class OptionsDialog : public CDialog {
  public:
    // Language, player, difficulty, colours and a reset go into `settings` at once; the symbol
    // set only when the dialog is confirmed. `state` tells the time of the game just finished.
    OptionsDialog(Settings& settings, const GameState& state);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange& dx) override;
    const MessageMap* GetMessageMap() const override;

  private:
    void OnTimer(uint32_t id);
    void PaintHistoryGraph();
    void OnChooseLineOK();
    void OnChooseLineVI();
    void OnLanguageChanged();
    void OnPlayerChanged();
    void OnDifficultyChanged();
    void OnResetStatistics();
    // The radio group's index taken into the Settings field when it differs.
    template <class Field>
    void TakeChoice(const int32_t& index, Field& field);
    void RefreshTexts();
    void StartRepaintTimer();

    Settings& settings;
    const GameState& state;
    CStatic graph;
    CButton resetButton;
    int32_t languageIndex = -1;
    int32_t playerIndex = -1;
    int32_t difficultyIndex = -1;
    int32_t symbolSetIndex = -1;
    std::string labelsText;
    std::string valuesText;
    std::string summaryText;
    uint32_t repaintTimer = 0;
    // Where the game just finished was counted, for the graph's green line.
    int32_t entryDifficulty = 0;
    int32_t entryPlayer = 0;
};

}  // namespace velinor
