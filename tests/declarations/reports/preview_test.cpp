// The preview of a long declaration, driven through the viewer's own
// controls: the page shown follows paging and scrolling, and a page is
// drawn only once it comes into view.
#include "declarations/reports/ReportsFixture.h"
#include "platform/forms/Toolbar.h"

#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <set>

namespace reportstest {
namespace {

class PreviewTest : public ReportsTest {
protected:
    report::Viewer& printLong()
    {
        exec(QStringLiteral("INSERT INTO LNV_PES_TB_DET_DDJJ7351 (PCDJ_NRO, PDDJ_NRO, PTES_ID, PDDJ_KG, PDDJ_PRECIO, "
                            "PDDJ_TOTAL) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 600) "
                            "SELECT '%1', i, i % 5, 100 + i, 1.25, (100 + i) * 1.25 FROM n")
                 .arg(kNro));
        frmDDJJ& list = openList();
        selectDeclaration(list, kNro);
        click(list, "imprimir");
        frmLisDJ* v = forms::Form::Existing<frmLisDJ>();
        if (!v) throw std::runtime_error("the viewer did not open");
        return *v->CRViewer91;
    }
    static std::set<int> rendered(const report::Viewer& v)
    {
        const auto& r = v.Preview->renderedPages();
        return {r.begin(), r.end()};
    }
};

TEST_F(PreviewTest, OnlyThePagesBroughtIntoViewAreDrawn)
{
    report::Viewer& v = printLong();
    const int pages = v.PageCount();
    ASSERT_GE(pages, 10);
    EXPECT_EQ(v.CurrentPage(), 1);
    EXPECT_EQ(v.lblPagina->text(), QStringLiteral("Página 1 de %1").arg(pages));
    // Opened: the pages on screen, no other.
    ASSERT_FALSE(rendered(v).empty()) << "the first page was not drawn";
    EXPECT_EQ(*rendered(v).begin(), 1);
    EXPECT_LE(*rendered(v).rbegin(), 2);

    // The last page is drawn when the clerk goes there, none of those in between.
    v.tlbVisor->Buttons(QStringLiteral("ultima")).widget()->click();
    testsupport::Settle();
    EXPECT_EQ(v.CurrentPage(), pages);
    EXPECT_EQ(v.lblPagina->text(), QStringLiteral("Página %1 de %1").arg(pages));
    EXPECT_TRUE(rendered(v).contains(pages));
    for (int p = 4; p < pages - 2; ++p) EXPECT_FALSE(rendered(v).contains(p)) << p;

    // Page by page, with the toolbar and with the keyboard.
    struct Step {
        const char* button;  // or a key on the pages
        Qt::Key key;
        int page;
    };
    const Step steps[] = {
        {"primera", Qt::Key_unknown, 1}, {"siguiente", Qt::Key_unknown, 2}, {nullptr, Qt::Key_PageDown, 3},
        {nullptr, Qt::Key_PageUp, 2},    {nullptr, Qt::Key_End, pages},     {"anterior", Qt::Key_unknown, pages - 1},
        {nullptr, Qt::Key_Home, 1},
    };
    for (const Step& s : steps) {
        if (s.button) {
            v.tlbVisor->Buttons(QString::fromLatin1(s.button)).widget()->click();
        } else {
            v.Preview->setFocus();
            QTest::keyClick(v.Preview, s.key);
        }
        testsupport::Settle();
        EXPECT_EQ(v.CurrentPage(), s.page) << (s.button ? s.button : "key");
        EXPECT_EQ(v.lblPagina->text(), QStringLiteral("Página %1 de %2").arg(s.page).arg(pages));
        EXPECT_TRUE(rendered(v).contains(s.page)) << s.page;
    }

    // Scrolled by the bar to the middle: the page at the top is the current one, and it is drawn then.
    const int middle = pages / 2;
    ASSERT_FALSE(rendered(v).contains(middle));
    QScrollBar* bar = v.Preview->verticalScrollBar();
    const int pageStep = (bar->maximum() + bar->pageStep()) / pages;
    bar->setValue((middle - 1) * pageStep + pageStep / 10);
    testsupport::Settle();
    EXPECT_EQ(v.CurrentPage(), middle);
    EXPECT_EQ(v.lblPagina->text(), QStringLiteral("Página %1 de %2").arg(middle).arg(pages));
    EXPECT_TRUE(rendered(v).contains(middle));
    // Every page drawn so far was on screen at some point; none was drawn twice at the same zoom.
    const auto& order = v.Preview->renderedPages();
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), order.size());
    EXPECT_LE(order.size(), size_t(12));
}

TEST_F(PreviewTest, SavingThePdfDrawsEveryPageWithoutThePreview)
{
    report::Viewer& v = printLong();
    const int pages = v.PageCount();
    const auto before = v.Preview->renderedPages();
    const QString pdf = savePdf(&v, "larga.pdf");
    EXPECT_EQ(testsupport::PdfPages(pdf), pages);
    const QString last = testsupport::Folded(testsupport::PdfText(pdf, pages));
    EXPECT_TRUE(last.contains(QStringLiteral("Página %1 de %1").arg(pages))) << last.toStdString();
    EXPECT_TRUE(last.contains(QStringLiteral("Total Adeudado:"))) << last.toStdString();
    // Page 7's lines, written when the PDF needed them.
    const QString seventh = testsupport::Folded(testsupport::PdfText(pdf, 7));
    EXPECT_TRUE(seventh.contains(QStringLiteral("Página 7 de %1").arg(pages)));
    EXPECT_TRUE(seventh.contains(QStringLiteral("1,25")) || seventh.contains(QStringLiteral("1.25")))
        << seventh.toStdString();
    EXPECT_EQ(v.Preview->renderedPages(), before) << "the PDF went through the preview";
}

}  // namespace
}  // namespace reportstest
