#include "gui/app/aboutdialog.h"

#include "version.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// A little map: four rooms with roads between them.
QPixmap AboutPicture()
{
    QPixmap picture(64, 64);
    picture.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 3));
    const QPoint rooms[] = {{14, 14}, {50, 14}, {14, 50}, {50, 50}};
    p.drawLine(rooms[0], rooms[1]);
    p.drawLine(rooms[0], rooms[2]);
    p.drawLine(rooms[0], rooms[3]);
    p.setPen(QPen(Qt::black, 1));
    const QColor fills[] = {QColor(0x80, 0xC0, 0x60), QColor(0xC0, 0xA0, 0x60), QColor(0x30, 0x80, 0x30),
                            QColor(0x90, 0x90, 0xD0)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(fills[i]);
        p.drawRect(QRect(rooms[i] - QPoint(9, 9), QSize(18, 18)));
    }
    return picture;
}

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));

    auto* icon = NamedLabel("ProgramIcon", QString(), this);
    icon->setPixmap(AboutPicture());
    auto* product = NamedLabel("ProductName", QStringLiteral("Kesterbrandor"), this);
    QFont big = product->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    product->setFont(big);
    auto* version = NamedLabel("Version", QString::fromLatin1(ProgramVersion), this);
    auto* credit = NamedLabel("Copyright", QStringLiteral("Kaj Soft"), this);
    auto* purpose = NamedLabel(
        "Comments",
        QStringLiteral("A tool for the creators of a text game world that helps them build its areas "
                       "room by room and export them as source code."),
        this);
    purpose->setWordWrap(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* panel = new QGridLayout;
    panel->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    panel->addWidget(product, 0, 1);
    panel->addWidget(version, 1, 1);
    panel->addWidget(credit, 2, 1);
    panel->addWidget(purpose, 3, 0, 1, 2);
    panel->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panel);
    layout->addLayout(buttons);
    purpose->setMinimumWidth(280);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TAboutBox::Execute(QWidget* parent)
{
    TAboutBox box(parent);
    box.exec();
}
