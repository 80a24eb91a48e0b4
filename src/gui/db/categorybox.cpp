#include "gui/db/categorybox.h"

#include "gui/document/doctext.h"

#include <QComboBox>

QComboBox* NewCategoryBox(QWidget* parent, const char* name, const char* accessibleName)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(QString::fromLatin1(accessibleName));
    box->setAccessibleDescription(QStringLiteral("Category of the sentence; type to choose one"));
    box->setEditable(true);
    // Typing never adds to the list: it holds what the database has.
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

void FillCategoryBox(QComboBox& box, const TStrings& categories)
{
    const QString text = box.currentText();
    box.clear();
    for (const std::string& c : categories)
        box.addItem(DocToQt(c));
    box.setEditText(text);
}
