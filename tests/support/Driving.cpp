#include "support/Driving.h"

#include "platform/forms/ComboBox.h"
#include "platform/forms/Toolbar.h"
#include "support/Support.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace testsupport {

void ClickButton(forms::Toolbar* tb, const QString& key)
{
    QToolButton* b = tb->Buttons(key).widget();
    if (!b->isEnabled()) {
        ADD_FAILURE() << tb->objectName().toStdString() << " " << key.toStdString() << " is disabled";
        return;
    }
    QTest::mouseClick(b, Qt::LeftButton);
    Settle();
}

void FocusOn(QWidget* w)
{
    w->setFocus(Qt::TabFocusReason);
    Settle(1);
    QWidget* f = QApplication::focusWidget();
    if (f != w && !w->isAncestorOf(f)) ADD_FAILURE() << "no focus on " << w->objectName().toStdString();
}

void TypeInto(QWidget* w, const QString& text)
{
    FocusOn(w);
    QWidget* target = QApplication::focusWidget();
    if (!target) return;
    if (auto* e = qobject_cast<QLineEdit*>(target)) e->selectAll();
    // Delete types no character: it empties a box whatever its key filter.
    if (text.isEmpty()) QTest::keyClick(target, Qt::Key_Delete);
    Type(target, text);
}

void TypeAndLeave(QWidget* w, const QString& text)
{
    TypeInto(w, text);
    if (QWidget* target = QApplication::focusWidget()) QTest::keyClick(target, Qt::Key_Tab);
    Settle(1);
}

void Choose(forms::ComboBox* cbo, const QString& text)
{
    const int i = cbo->findText(text, Qt::MatchExactly);
    if (i < 0) {
        ADD_FAILURE() << text.toStdString() << " not in " << cbo->objectName().toStdString();
        return;
    }
    FocusOn(cbo);
    // What the list's popup does when the user picks a row.
    cbo->setCurrentIndex(i);
    emit cbo->activated(i);
    Settle(1);
}

}  // namespace testsupport
