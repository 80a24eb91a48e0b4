#include "gui/room/itemtexttabs.h"

#include "gui/shared/textmemo.h"
#include "model/text.h"

#include <QAction>
#include <QEvent>
#include <QFontDatabase>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>

namespace {
struct TTextTab {
    const char* Caption;
    const char* MemoName;
    const char* AccessibleName;
    const char* DefaultLine;
};

constexpr std::array<TTextTab, TItemTextTabs::Count> kTabs{{
    {"Descr.", "mItemDescr", "Item description", ""},
    {"Listen", "mItemListen", "Item listen text", "You hear nothing."},
    {"Smell", "mItemSmell", "Item smell text", "You smell nothing."},
    {"Touch", "mItemTouch", "Item touch text", "Nothing has happened."},
    {"Search", "mItemSearch", "Item search text", "You have found nothing."},
    {"Read", "mItemRead", "Item read text", "There is nothing to read."},
}};

// A small sheet of paper, blank or written on.
QPixmap DrawSheet(bool written)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(Qt::white);
    p.drawRect(2, 1, 11, 13);
    if (written) {
        p.setPen(QColor(0x00, 0x00, 0x80));
        for (int y = 4; y <= 11; y += 2)
            p.drawLine(4, y, y == 11 ? 8 : 11, y);
    }
    return pixmap;
}
} // namespace

TItemTextTabs::TItemTextTabs(bool inDialog, QWidget* parent) : QTabWidget(parent), m_pictures(!inDialog)
{
    setObjectName(QStringLiteral("pcItemTexts"));
    setAccessibleName(QStringLiteral("Item texts"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int i = 0; i < Count; ++i) {
        auto* memo = new TTextMemo(this);
        memo->setObjectName(QLatin1String(kTabs[i].MemoName));
        memo->setAccessibleName(QLatin1String(kTabs[i].AccessibleName));
        memo->setAccessibleDescription(QStringLiteral("Text of the selected item on %1").arg(QLatin1String(kTabs[i].Caption)));
        memo->setFont(fixed);
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        memo->installEventFilter(this);
        connect(memo, &QPlainTextEdit::textChanged, this, [this, i] { emit MemoChanged(i); });
        if (i > 0) {
            auto* byDefault = new QAction(QStringLiteral("Default"), memo);
            byDefault->setObjectName(QStringLiteral("miTextDefault"));
            auto* clear = new QAction(QStringLiteral("Clear"), memo);
            clear->setObjectName(QStringLiteral("miTextClear"));
            clear->setToolTip(QStringLiteral("Clear description"));
            clear->setStatusTip(clear->toolTip());
            memo->addAction(byDefault);
            memo->addAction(clear);
            memo->setContextMenuPolicy(Qt::ActionsContextMenu);
            connect(byDefault, &QAction::triggered, this, [this, i] { ResetMemo(i, true); });
            connect(clear, &QAction::triggered, this, [this, i] { ResetMemo(i, false); });
        }
        m_memos[i] = memo;
        const QString caption = inDialog && i == 0 ? QStringLiteral("Description") : QLatin1String(kTabs[i].Caption);
        addTab(memo, caption);
        if (m_pictures)
            SetShape({}, i);
    }
}

QIcon TItemTextTabs::Picture(int shape)
{
    return QIcon(DrawSheet(shape == 1));
}

void TItemTextTabs::SetShape(const TStrings& text, int tab)
{
    if (!m_pictures)
        return;
    m_shapes[tab] = StringsDescToString(text).empty() ? 0 : 1;
    setTabIcon(tab, Picture(m_shapes[tab]));
}

QString TItemTextTabs::DefaultLine(int tab)
{
    return QLatin1String(kTabs[tab].DefaultLine);
}

void TItemTextTabs::ResetMemo(int tab, bool withDefault)
{
    QPlainTextEdit* memo = m_memos[tab];
    memo->clear();
    if (withDefault)
        memo->setPlainText(DefaultLine(tab));
    emit MemoLeft(tab);
}

bool TItemTextTabs::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        for (int i = 0; i < Count; ++i)
            if (watched == m_memos[i])
                emit MemoLeft(i);
    }
    return QTabWidget::eventFilter(watched, event);
}
