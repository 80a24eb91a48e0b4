#pragma once
// The About box: picture, product name, version, credit and what the program is for.
#include <QDialog>

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Help "About": creates the box, shows it modally and destroys it.
    static void Execute(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
};
