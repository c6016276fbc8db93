#pragma once
// A window test: a fresh database, every message box recorded (no real
// dialog ever opens), and the window driven as the user drives it.

#include "support/Support.h"

#include <QStringList>
#include <gtest/gtest.h>

class QWidget;
namespace forms {
class ComboBox;
class DataGrid;
class Toolbar;
}  // namespace forms

namespace testsupport {

class WindowTest : public ::testing::Test {
public:
    // sampleDb: the sample registers beside the reference rows.
    explicit WindowTest(bool sampleDb = false) : db(sampleDb) {}

    void click(forms::Toolbar* tb, const QString& key);      // a mouse click: the focus moves to the button
    void focusOn(QWidget* w);                                // as Tab would (fails when it cannot)
    void type(QWidget* w, const QString& text);              // focus in, select all, type
    void typeAndLeave(QWidget* w, const QString& text);      // ... then Tab out
    void choose(forms::ComboBox* cbo, const QString& text);  // a pick from the list (fails when absent)
    // The pick the list's popup makes, wherever the focus is.
    static void pick(forms::ComboBox* cbo, const QString& text);
    // No window of the program active, as a real message box leaves them once it closes.
    static void leaveWindowsInactive();
    // A mouse click into the box (its left part), then the keys typed where the focus went.
    void clickAndType(QWidget* w, const QString& keys);
    // The control with the focus; a compound one (the numeric field, a date
    // picker) stands for the inner box it hands its focus to.
    QWidget* focused() const;
    // A click on the cell, scrolled into view first.
    static void clickCell(forms::DataGrid* grid, int row, int column);
    // A click on the first row whose cell in that column shows the text (fails when none).
    static void clickRowHolding(forms::DataGrid* grid, int column, const QString& text);

protected:
    QStringList prompts() const { return boxes.prompts(); }

    TempDb db;
    MsgBoxRecorder boxes;
};

}  // namespace testsupport
