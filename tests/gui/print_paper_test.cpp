// The printer's paper: A4 landscape is asked for by size and orientation, and
// a printer that keeps other paper is told to the user.
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/print/printer_paper.h"
#include "output/print_page.h"

using namespace tolvane;

namespace {

// A printer that knows US Letter only, as a CUPS queue of an American
// printer does: any other paper size is refused and the paper stays as it was.
class LetterOnlyPrinter : public QPrinter {
public:
    explicit LetterOnlyPrinter(const QString& file) : QPrinter(QPrinter::HighResolution)
    {
        setOutputFormat(QPrinter::PdfFormat);
        setOutputFileName(file);
        QPrinter::setPageSize(QPageSize(QPageSize::Letter));
    }
    bool setPageSize(const QPageSize& size) override
    {
        if (!size.isEquivalentTo(QPageSize(QPageSize::Letter))) return false;
        return QPrinter::setPageSize(size);
    }
    // Printers that need margins refuse a whole layout without any.
    bool setPageLayout(const QPageLayout& layout) override
    {
        if (layout.margins().isNull()) return false;
        return QPrinter::setPageLayout(layout);
    }
};

}  // namespace

class PrintPaperTest : public QObject {
    Q_OBJECT
private slots:
    void aPrinterThatTakesA4IsSetToA4Landscape()
    {
        // Starts from US Letter in portrait, as a printer set up in America.
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("out.pdf"));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Portrait);

        QCOMPARE(print::setA4Landscape(printer), std::nullopt);
        QVERIFY(printer.pageLayout().pageSize().isEquivalentTo(QPageSize(QPageSize::A4)));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    }

    void theUserIsAskedWhenThePaperWouldNotBeA4Landscape_data()
    {
        QTest::addColumn<QPageLayout>("applied");
        QTest::addColumn<QList<QPageSize>>("offered");
        QTest::addColumn<bool>("anySize");
        QTest::addColumn<QString>("shown");  // empty: no question

        const QPageSize a4(QPageSize::A4), letter(QPageSize::Letter), legal(QPageSize::Legal);
        auto layout = [](const QPageSize& size, QPageLayout::Orientation o) {
            return QPageLayout(size, o, QMarginsF(3.5, 3.5, 3.5, 3.5), QPageLayout::Millimeter);
        };
        const auto landscape = QPageLayout::Landscape, portrait = QPageLayout::Portrait;
        QTest::newRow("a file takes A4") << layout(a4, landscape) << QList<QPageSize>{} << true << "";
        QTest::newRow("a printer with A4") << layout(a4, landscape) << QList<QPageSize>{letter, a4} << false << "";
        // The print system took the A4 request, but the printer has no A4.
        QTest::newRow("a printer without A4")
            << layout(a4, landscape) << QList<QPageSize>{letter, legal} << false << "Letter / ANSI A 横";
        QTest::newRow("the size refused") << layout(letter, landscape) << QList<QPageSize>{} << true << "Letter / ANSI A 横";
        QTest::newRow("the orientation refused") << layout(a4, portrait) << QList<QPageSize>{a4} << false << "A4 縦";
    }

    void theUserIsAskedWhenThePaperWouldNotBeA4Landscape()
    {
        QFETCH(QPageLayout, applied);
        QFETCH(QList<QPageSize>, offered);
        QFETCH(bool, anySize);
        QFETCH(QString, shown);
        const print::PaperOffer offer{offered, anySize, QPageSize(QPageSize::Letter)};
        std::optional<std::string> notice = print::paperNotice(applied, offer);
        QCOMPARE(notice.has_value(), !shown.isEmpty());
        if (notice)
            QCOMPARE(QString::fromStdString(*notice),
                     QString::fromUtf8("プリンターの用紙を A4 横にできませんでした（") + shown +
                         QString::fromUtf8("）。\n") + QString::fromUtf8(tolvane::kPaperNotA4Notice));
    }

    void aPrinterWithoutA4IsToldToTheUser()
    {
        QTemporaryDir dir;
        LetterOnlyPrinter printer(dir.filePath("out.pdf"));
        std::optional<std::string> notice = print::setA4Landscape(printer);
        QVERIFY(notice.has_value());
        const QString text = QString::fromStdString(*notice);
        QVERIFY2(text.startsWith(QString::fromUtf8("プリンターの用紙を A4 横にできませんでした（Letter")), qPrintable(text));
        QVERIFY(text.endsWith(QString::fromUtf8("このまま印刷しますか？")));
        // The orientation was still taken.
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    }
};

QTEST_MAIN(PrintPaperTest)
#include "print_paper_test.moc"
