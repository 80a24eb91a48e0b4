#pragma once
// "Options": the settings that travel with the area (map size, room naming, the file header
// and script templates, map colours, memo wrapping, editor height) and the colour depth of
// the map picture, which is the program's own.
#include "gui/options/colourbutton.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QsciScintilla;
class TAreaDocument;

// What OK changed that the window must follow.
struct TOptionsOutcome {
    bool Resized = false; // the map's size in cells changed
    int PictureBits = 4;
    int RecoveryMinutes = 2; // 0: no recovery copies
    bool Utf8Export = false;
};

class TFormOptions : public QDialog {
    Q_OBJECT
public:
    TFormOptions(TAreaDocument& document, QWidget* parent);

    // Fills every control from the area; the colour depth comes from the window.
    void Fill(int pictureBits);
    // The program's interval of recovery copies, in minutes (0: off).
    void FillRecovery(int minutes);
    // The program's choice of UTF-8 for the exports.
    void FillExport(bool utf8);
    // Writes the controls into the area. Modified is set when a stored value changed; no
    // undo mark is recorded.
    TOptionsOutcome Apply();

    // The colour question; tests answer it themselves.
    TColourButton::TPick PickColor;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* CreateMainTab();
    QWidget* CreateColorsTab();
    int Format() const;
    // Shows the file-name group for the chosen format (the field first hands its text back).
    void rgFilensClick();
    // The shared field's text into the working value of the format it shows.
    void eMiddleExit();

    TAreaDocument& m_document;

    // Working values behind the shared field.
    std::string m_optMiddle;
    int32_t m_optLastNumber = 0;
    int m_optDigits = 1;
    int m_fieldFormat = -1; // the format whose value the shared field shows

    int m_widthCells = 0;
    int m_heightCells = 0;

    QSpinBox* m_seX = nullptr;
    QSpinBox* m_seY = nullptr;
    QButtonGroup* m_rgFilens = nullptr;
    QGroupBox* m_gbNames = nullptr;
    QLineEdit* m_ePrefix = nullptr;
    QLineEdit* m_ePostfix = nullptr;
    QLabel* m_lMiddle = nullptr;
    QLineEdit* m_eMiddle = nullptr;
    QLabel* m_lDigits = nullptr;
    QSpinBox* m_seDigits = nullptr;
    QSpinBox* m_seWrapFirst = nullptr;
    QSpinBox* m_seWrapOther = nullptr;
    QSpinBox* m_seEditorHeight = nullptr;
    QSpinBox* m_seRecovery = nullptr;
    QCheckBox* m_cbUtf8Export = nullptr;
    QsciScintilla* m_mFileHeader = nullptr;
    QsciScintilla* m_mScriptTemplate = nullptr;
    std::array<TColourButton*, 19> m_colours{}; // index as the area's Colors: 0 Empty, 1..18 area types
    QButtonGroup* m_rgColorDepth = nullptr;
};
