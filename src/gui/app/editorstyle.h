#pragma once
// The editor's look over the platform style: disabled icons fade. The platform's own
// disabled pictures keep dark lines dark, so a disabled button with a black icon looked
// ready to be clicked.
#include <QProxyStyle>

class TEditorStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Puts the style over the application's, once.
    static void Install();

    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap, const QStyleOption* option) const override;
};
