// The print-preview window with fake printers: opening, the margin edits and their guards,
// "Сброс", "Пропорция", orientation, printers, the setup dialog, dragging on the sheet,
// printing and its failures, and the report's print button around it all.
#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "chart/sheet_geometry.h"
#include "preview_fixture.h"
#include "program_fixture.h"
#include "tests/unit/print_test_support.h"
#include "ui/UnitPreview.h"
#include "ui/at_scope_exit.h"
#include "ui/preview_page.h"
#include "ui_UnitPreview.h"

using namespace ormitan;
using namespace ormitan::test;

namespace {

OrmitanApplication& App() {
    return *static_cast<OrmitanApplication*>(qApp);
}

TChartPreview* OpenPreview() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<TChartPreview*>(window); preview && preview->isVisible()) {
            return preview;
        }
    }
    return nullptr;
}

// Runs `action` inside the next preview's modal loop, then closes the preview however the
// action ended.
void WhenPreviewShown(std::function<void(TChartPreview&)> action) {
    QTimer::singleShot(0, [action] {
        TChartPreview* preview = OpenPreview();
        QVERIFY(preview != nullptr);
        const AtScopeExit close([preview] { preview->close(); });
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        action(*preview);
    });
}

// The margins the four edits show.
print::Margins Shown(Ui::TChartPreview& ui) {
    return {ui.SELeftMa->value(), ui.SETopMa->value(), ui.SERightMa->value(), ui.SEBotMa->value()};
}

// Replaces an edit's whole text at once, as pasting over a selection does.
void Paste(QSpinBox* edit, const QString& text) {
    edit->selectAll();
    QApplication::clipboard()->setText(text);
    edit->findChild<QLineEdit*>()->paste();
}

// The preview over the sample chart, with two fake printers and the error box recorded.
struct PreviewRun {
    FakeMessageBoxes messages;
    platform::FakePrinterService printers = TwoPrinters();
    const chart::ChartPrintout paper = PaperChart();
    // The setup kept between previews, as the report's chart keeps it.
    print::PrintSetup kept;
    TChartPreview* open = nullptr;
    bool opened = false;

    PreviewRun() { App().SetMessageBoxes(&messages); }
    ~PreviewRun() { App().SetMessageBoxes(nullptr); }
    PreviewRun(const PreviewRun&) = delete;
    PreviewRun& operator=(const PreviewRun&) = delete;

    // The preview's own setup while it is open, the kept one otherwise.
    const print::PrintSetup& Setup() const { return open != nullptr ? open->Setup() : kept; }
    const print::Margins& Margins() const { return Setup().PaperMargins; }

    void Open(std::function<void(TChartPreview&, Ui::TChartPreview&)> action) {
        opened = false;
        WhenPreviewShown([this, action](TChartPreview& preview) {
            opened = true;
            open = &preview;
            action(preview, preview.Controls());
            open = nullptr;
        });
        kept = ShowPrintPreview(nullptr, paper, kept, printers);
        QVERIFY(opened);
        QVERIFY(OpenPreview() == nullptr);
    }
};

constexpr print::Margins LaserLandscape{15, 25, 15, 25};
constexpr print::Margins LaserPortrait{15, 36, 15, 36};
// 0.6 × 2480 × 616 / 996 = 920.3 of 3508 leaves 73.8 %, halved: 37.
constexpr print::Margins OfficePortrait{15, 37, 15, 37};

// The sheet has the page's proportions, to a pixel, and lies inside the view.
bool ShowsPage(const TPreviewPage& sheet, QSize page) {
    const print::Rect paper = sheet.PaperRect();
    const std::int64_t across = std::int64_t{paper.Width()} * page.height();
    const std::int64_t down = std::int64_t{paper.Height()} * page.width();
    return std::abs(across - down) <= std::max(page.width(), page.height()) && paper.left >= 0 &&
           paper.top >= 0 && paper.right <= sheet.width() && paper.bottom <= sheet.height();
}

// The chart stands on the sheet the given whole percentages of the sheet's sides away from
// its edges, to a pixel.
bool Frames(const TPreviewPage& sheet, const print::Margins& margins) {
    const print::Rect paper = sheet.PaperRect();
    const print::Rect chart = sheet.ChartRect();
    const auto near = [](int pixels, int percent, int side) {
        return std::abs(pixels - percent * side / 100.0) <= 0.5;
    };
    return near(chart.left - paper.left, margins.left, paper.Width()) &&
           near(chart.top - paper.top, margins.top, paper.Height()) &&
           near(paper.right - chart.right, margins.right, paper.Width()) &&
           near(paper.bottom - chart.bottom, margins.bottom, paper.Height());
}

// The margins a dragged chart rectangle stands for: its distance from each edge of the sheet
// in whole percent of that side, to half a percent.
bool StandsFor(const print::Rect& chart, const print::Rect& paper, const print::Margins& margins) {
    const auto near = [](int percent, int pixels, int side) {
        return std::abs(percent - 100.0 * pixels / side) <= 0.5;
    };
    return near(margins.left, chart.left - paper.left, paper.Width()) &&
           near(margins.top, chart.top - paper.top, paper.Height()) &&
           near(margins.right, paper.right - chart.right, paper.Width()) &&
           near(margins.bottom, paper.bottom - chart.bottom, paper.Height());
}

// A point halfway down the chart's left line, and so on.
QPoint OnLeftLine(const TPreviewPage& page) {
    return {page.ChartRect().left, (page.ChartRect().top + page.ChartRect().bottom) / 2};
}
QPoint InChart(const TPreviewPage& page) {
    return {(page.ChartRect().left + page.ChartRect().right) / 2,
            (page.ChartRect().top + page.ChartRect().bottom) / 2};
}

}  // namespace

class TestPrintPreview : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

  private slots:
    void cleanup() { QVERIFY(QApplication::overrideCursor() == nullptr); }

    void openingSelectsLandscapeAndProportionalMargins() {
        PreviewRun run;
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            QCOMPARE(preview.windowTitle(), QString("Окно печати"));
            QVERIFY(ui.Landscape->isChecked());
            QCOMPARE(run.printers.printers[0].orientation, platform::Landscape);
            QCOMPARE(Shown(ui), LaserLandscape);
            QCOMPARE(run.Margins(), LaserLandscape);
            QCOMPARE(ui.SETopMa->text(), QString("25"));
            QVERIFY(!ui.BReset->isEnabled());
            QVERIFY(ui.CBProp->isChecked());
            QCOMPARE(ui.Resolution->value(), 0);
            QCOMPARE(ui.Printers->count(), 2);
            QCOMPARE(ui.Printers->currentText(), QString("Laser"));
            QVERIFY(!ui.Printers->isEditable());
            QVERIFY(ui.ShowMargins->isChecked());
            QVERIFY(preview.Sheet().ShowMargins());
            QVERIFY(preview.Sheet().HasSheet());
            QCOMPARE(preview.Sheet().Image()->form.footer, run.paper.form.footer);
            QVERIFY(run.messages.errors.isEmpty());
        });
    }

    void layoutAndTabOrder() {
        PreviewRun run;
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            // The whole work area, not resizable by dragging; the sheet fills what the panels
            // leave.
            const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
            QCOMPARE(preview.frameGeometry(), area);
            QCOMPARE(preview.minimumSize(), preview.maximumSize());
            QCOMPARE(ui.Panel1->geometry(), QRect(0, 0, preview.width(), 38));
            QCOMPARE(ui.Panel2->geometry(), QRect(0, 38, 112, preview.height() - 38));
            QCOMPARE(preview.Sheet().geometry(),
                     QRect(112, 38, preview.width() - 112, preview.height() - 38));
            QCOMPARE(preview.focusWidget(), ui.Printers);
            // The order of the focus chain, not of the screen.
            QList<QWidget*> chain;
            for (QWidget* w = ui.Printers; chain.size() < 64; w = w->nextInFocusChain()) {
                chain << w;
            }
            const auto before = [&](QWidget* first, QWidget* second) {
                return chain.indexOf(first) >= 0 && chain.indexOf(first) < chain.indexOf(second);
            };
            QVERIFY(before(ui.BSetupPrinter, ui.BClose));
            QVERIFY(before(ui.BClose, ui.BPrint));
            QVERIFY(before(ui.SETopMa, ui.SELeftMa));
            QVERIFY(before(ui.SEBotMa, ui.SERightMa));
            QVERIFY(before(ui.ShowMargins, ui.BReset));
            QVERIFY(before(ui.Resolution, ui.CBProp));
            QVERIFY(ui.BClose->isDefault());
            QCOMPARE(preview.Sheet().focusPolicy(), Qt::NoFocus);
        });
    }

    void enterAndEscapeClose_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }
    void enterAndEscapeClose() {
        QFETCH(int, key);
        PreviewRun run;
        bool closed = false;
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            QTest::keyClick(ui.Printers, Qt::Key(key));
            closed = !preview.isVisible();
        });
        QVERIFY(closed);
    }

    // Two opposite margins always add up to less than 100; a number that breaks that is refused
    // by putting the margin back. A number taken is shown on the sheet, enables "Сброс" and turns
    // "Пропорция" off, so that the printed margins are the ones shown.
    void marginEdits_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<print::Margins>("margins");
        QTest::addColumn<QString>("shown");
        const print::Margins m = LaserLandscape;
        QTest::newRow("top 75 meets the bottom's 25") << "SETopMa"
                                                      << "75" << m << "25";
        QTest::newRow("top 74") << "SETopMa"
                                << "74" << print::Margins{15, 74, 15, 25} << "74";
        QTest::newRow("left 85 meets the right's 15") << "SELeftMa"
                                                      << "85" << m << "15";
        QTest::newRow("left 84") << "SELeftMa"
                                 << "84" << print::Margins{84, 25, 15, 25} << "84";
        QTest::newRow("bottom 75") << "SEBotMa"
                                   << "75" << m << "25";
        QTest::newRow("right 0") << "SERightMa"
                                 << "0" << print::Margins{15, 25, 0, 25} << "0";
        QTest::newRow("not a number") << "SETopMa"
                                      << "x" << m << "25";
    }
    void marginEdits() {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(print::Margins, margins);
        QFETCH(QString, shown);
        PreviewRun run;
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            auto* spin = preview.findChild<QSpinBox*>(edit);
            QVERIFY(spin != nullptr);
            const int recorded = preview.Sheet().RecordingCount();
            Paste(spin, text);
            QCOMPARE(spin->text(), shown);
            QCOMPARE(run.Margins(), margins);
            QCOMPARE(Shown(ui), margins);
            const bool taken = margins != LaserLandscape;
            QCOMPARE(ui.BReset->isEnabled(), taken);
            QCOMPARE(ui.CBProp->isChecked(), !taken);
            QCOMPARE(run.Setup().PrintProportional, !taken);
            if (taken) {
                QVERIFY(preview.Sheet().RecordingCount() > recorded);
                QVERIFY(Frames(preview.Sheet(), margins));
            }
        });
    }

    void typingAndArrowKeysStepTheEdits() {
        PreviewRun run;
        run.Open([&](TChartPreview&, Ui::TChartPreview& ui) {
            ui.SETopMa->selectAll();
            QTest::keyClicks(ui.SETopMa, "74");
            QCOMPARE(run.Margins().top, 74);
            QTest::keyClick(ui.SELeftMa, Qt::Key_Up);
            QTest::keyClick(ui.SELeftMa, Qt::Key_Up);
            QTest::keyClick(ui.SELeftMa, Qt::Key_Down);
            QCOMPARE(run.Margins().left, 16);
            QCOMPARE(ui.SELeftMa->text(), QString("16"));
            // Down from 0 stays at 0.
            Paste(ui.SERightMa, "0");
            QTest::keyClick(ui.SERightMa, Qt::Key_Down);
            QCOMPARE(run.Margins().right, 0);
            // Letters and numbers past 100 cannot be typed; an emptied edit changes no margin
            // and gets its number back when the edit is left.
            QTest::keyClicks(ui.SEBotMa, "x");
            QTest::keyClick(ui.SEBotMa, Qt::Key_End);
            QTest::keyClicks(ui.SEBotMa, "0");
            QCOMPARE(ui.SEBotMa->text(), QString("25"));
            ui.SEBotMa->selectAll();
            QTest::keyClick(ui.SEBotMa, Qt::Key_Delete);
            QCOMPARE(ui.SEBotMa->text(), QString());
            QCOMPARE(run.Margins().bottom, 25);
            QFocusEvent leave(QEvent::FocusOut);
            QApplication::sendEvent(ui.SEBotMa, &leave);
            QCOMPARE(ui.SEBotMa->text(), QString("25"));
            QCOMPARE(run.Margins().bottom, 25);
            QVERIFY(!ui.CBProp->isChecked());
            QVERIFY(ui.BReset->isEnabled());
        });
    }

    void resetRestoresTheSavedMargins() {
        PreviewRun run;
        run.Open([&](TChartPreview&, Ui::TChartPreview& ui) {
            Paste(ui.SETopMa, "74");
            Paste(ui.SERightMa, "5");
            QVERIFY(ui.BReset->isEnabled());
            QTest::mouseClick(ui.BReset, Qt::LeftButton);
            QCOMPARE(run.Margins(), LaserLandscape);
            QCOMPARE(Shown(ui), LaserLandscape);
            QVERIFY(!ui.BReset->isEnabled());
            // "Сброс" leaves "Пропорция" as it was.
            QVERIFY(!ui.CBProp->isChecked());
            QVERIFY(!run.Setup().PrintProportional);
        });
    }

    void theProportionalBox() {
        PreviewRun run;
        run.Open([&](TChartPreview&, Ui::TChartPreview& ui) {
            // Unchecking changes no margin.
            ui.CBProp->click();
            QVERIFY(!run.Setup().PrintProportional);
            QCOMPARE(run.Margins(), LaserLandscape);
            QVERIFY(!ui.BReset->isEnabled());
            Paste(ui.SETopMa, "40");
            Paste(ui.SELeftMa, "3");
            QVERIFY(ui.BReset->isEnabled());
            // Checking recomputes them and makes them the ones "Сброс" goes back to.
            ui.CBProp->click();
            QVERIFY(run.Setup().PrintProportional);
            QCOMPARE(run.Margins(), LaserLandscape);
            QCOMPARE(Shown(ui), LaserLandscape);
            QVERIFY(!ui.BReset->isEnabled());
        });
    }

    // A very wide page makes the proportional top and bottom negative: 0.6 × 1000 × 616 / 996
    // = 371.1 of 200 leaves −85.5 %, rounded −86, halved −43. The edits and the sheet show what
    // prints; only numbers the user types must lie within 0..100.
    void negativeProportionalMarginsPassThrough() {
        PreviewRun run;
        platform::FakePrinter wide = Printer("Wide", platform::Landscape);
        wide.landscapePage = {1000, 200};
        wide.portraitPage = {200, 1000};
        run.printers.printers = {wide};
        constexpr print::Margins Wide{15, -43, 15, -43};
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            QCOMPARE(Shown(ui), Wide);
            QCOMPARE(run.Margins(), Wide);
            QVERIFY(!ui.BReset->isEnabled());
            QVERIFY(preview.Sheet().ChartRect().top < preview.Sheet().PaperRect().top);
            ui.Portrait->click();
            ui.Landscape->click();
            QCOMPARE(Shown(ui), Wide);
            QCOMPARE(run.Margins(), Wide);
            QVERIFY(!ui.BReset->isEnabled());
            Paste(ui.SETopMa, "-5");
            QCOMPARE(ui.SETopMa->value(), -43);
            QCOMPARE(run.Margins(), Wide);
            Paste(ui.SETopMa, "20");
            QCOMPARE(run.Margins().top, 20);
        });
    }

    void orientationButtonsSetThePrinter() {
        PreviewRun run;
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            ui.Portrait->click();
            QCOMPARE(run.printers.printers[0].orientation, platform::Portrait);
            QCOMPARE(Shown(ui), LaserPortrait);
            QVERIFY(!ui.BReset->isEnabled());
            const print::Rect paper = preview.Sheet().PaperRect();
            QVERIFY(paper.Height() > paper.Width());
            ui.Landscape->click();
            QCOMPARE(run.printers.printers[0].orientation, platform::Landscape);
            QCOMPARE(Shown(ui), LaserLandscape);
        });
    }

    void anotherPrinterGetsTheOrientationItShows() {
        PreviewRun run;
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            ui.Printers->setCurrentIndex(1);
            QCOMPARE(run.printers.Current(), std::optional<int>(1));
            QVERIFY(ui.Portrait->isChecked());
            QCOMPARE(run.printers.printers[1].orientation, platform::Portrait);
            QCOMPARE(Shown(ui), OfficePortrait);
            QVERIFY(ShowsPage(preview.Sheet(), {2480, 3508}));
            QVERIFY(!ui.BReset->isEnabled());
        });
    }

    // Whatever the dialog's outcome the list is filled again and the printer's orientation
    // shown; the sheet shows the current printer's page.
    void theSetupDialog_data() {
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<print::Margins>("margins");
        QTest::newRow("cancelled") << false << platform::Landscape << LaserLandscape;
        QTest::newRow("another printer, portrait") << true << platform::Portrait << OfficePortrait;
        // The orientation did not change, so the margins are not refreshed.
        QTest::newRow("another printer, landscape")
            << true << platform::Landscape << LaserLandscape;
    }
    void theSetupDialog() {
        QFETCH(bool, confirmed);
        QFETCH(int, orientation);
        QFETCH(print::Margins, margins);
        PreviewRun run;
        if (confirmed) {
            run.printers.setupAnswer = platform::FakePrinterService::SetupChoice{1, orientation};
        }
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            run.printers.printers.push_back(Printer("New", platform::Portrait));
            QTest::mouseClick(ui.BSetupPrinter, Qt::LeftButton);
            QCOMPARE(run.printers.setupCalls, 1);
            QCOMPARE(ui.Printers->count(), 3);
            QCOMPARE(ui.Printers->currentIndex(), confirmed ? 1 : 0);
            QCOMPARE(ui.Portrait->isChecked(), orientation == platform::Portrait);
            QCOMPARE(Shown(ui), margins);
            QVERIFY(ShowsPage(preview.Sheet(), run.printers.PageSize()));
        });
    }

    void detailIsTheScrollBar() {
        PreviewRun run;
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            QCOMPARE(ui.Resolution->minimum(), -100);
            QCOMPARE(ui.Resolution->maximum(), 0);
            QCOMPARE(ui.Resolution->pageStep(), 1);
            const int recorded = preview.Sheet().RecordingCount();
            QTest::keyClick(ui.Resolution, Qt::Key_Left);
            QCOMPARE(run.Setup().PrintDetail, -1);
            ui.Resolution->setValue(-100);
            QCOMPARE(run.Setup().PrintDetail, -100);
            QCOMPARE(preview.Sheet().RecordingCount(), recorded + 2);
        });
    }

    // The margins, "Пропорция" and "Детали:" live in the chart; the orientation goes back to
    // landscape at every opening.
    void aSecondPreviewStartsWhereTheFirstLeftOff() {
        PreviewRun run;
        run.Open([&](TChartPreview&, Ui::TChartPreview& ui) {
            ui.CBProp->click();
            ui.Portrait->click();
            ui.Resolution->setValue(-50);
            Paste(ui.SETopMa, "30");
        });
        QCOMPARE(run.printers.printers[0].orientation, platform::Portrait);
        // Unchecked, "Пропорция" kept the landscape margins through the turn to portrait.
        const print::Margins left{15, 30, 15, 25};
        QCOMPARE(run.Margins(), left);
        run.Open([&](TChartPreview&, Ui::TChartPreview& ui) {
            QVERIFY(ui.Landscape->isChecked());
            QCOMPARE(run.printers.printers[0].orientation, platform::Landscape);
            QVERIFY(!ui.CBProp->isChecked());
            QCOMPARE(ui.Resolution->value(), -50);
            QCOMPARE(Shown(ui), left);
            QVERIFY(!ui.BReset->isEnabled());
        });
    }

    // A failed opening is reported and leaves the controls as declared: the edits then ignore
    // input, and every step that needs the printer fails the same way.
    void printersThatCannotOpen_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("hasDefault");
        QTest::addColumn<bool>("hasSettings");
        QTest::addColumn<QString>("message");
        QTest::newRow("no default printer")
            << 2 << false << true << "There is no default printer currently selected.";
        QTest::newRow("no printers at all")
            << 0 << false << true << "There is no default printer currently selected.";
        QTest::newRow("a printer without settings")
            << 2 << true << false << "Operation not supported on selected printer.";
    }
    void printersThatCannotOpen() {
        QFETCH(int, count);
        QFETCH(bool, hasDefault);
        QFETCH(bool, hasSettings);
        QFETCH(QString, message);
        PreviewRun run;
        run.printers.printers.resize(std::size_t(count));
        if (!hasDefault) {
            run.printers.defaultPrinter.reset();
        }
        for (platform::FakePrinter& printer : run.printers.printers) {
            printer.hasSettings = hasSettings;
        }
        run.kept = {{10, 10, 10, 10}, false, -30};
        run.Open([&](TChartPreview&, Ui::TChartPreview& ui) {
            QCOMPARE(run.messages.errors, QStringList{message});
            QCOMPARE(ui.Printers->count(), count);
            QVERIFY(ui.Landscape->isChecked());
            QVERIFY(ui.CBProp->isChecked());
            QCOMPARE(ui.Resolution->value(), 0);
            for (QSpinBox* edit : {ui.SELeftMa, ui.SETopMa, ui.SERightMa, ui.SEBotMa}) {
                QCOMPARE(edit->text(), QString("0"));
            }
            QVERIFY(!ui.BReset->isEnabled());
            Paste(ui.SETopMa, "20");
            QCOMPARE(run.Margins(), (print::Margins{10, 10, 10, 10}));
            QVERIFY(!ui.BReset->isEnabled());
            // The steps that need the printer fail again.
            QTest::mouseClick(ui.BSetupPrinter, Qt::LeftButton);
            ui.Portrait->click();
            if (!hasDefault) {
                QTest::mouseClick(ui.BPrint, Qt::LeftButton);
            }
            QCOMPARE(run.messages.errors.size(), hasDefault ? 3 : 4);
            QCOMPARE(run.messages.errors.last(), message);
            QCOMPARE(run.Setup().PrintDetail, -30);
        });
        QVERIFY(run.printers.jobs.empty());
    }

    // Dragging the left line: "Пропорция" goes off at the first step, the edits follow every
    // step, the chart is recorded again only at the release, and "Сброс" is re-evaluated there.
    void draggingTheLeftLine() {
        PreviewRun run;
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            TPreviewPage& page = preview.Sheet();
            const print::Rect paper = page.PaperRect();
            const QPoint start = OnLeftLine(page);
            const int recorded = page.RecordingCount();
            QTest::mousePress(&page, Qt::LeftButton, {}, start);
            for (const int step : {12, 30}) {
                QTest::mouseMove(&page, start + QPoint(step, 0));
                QVERIFY(!ui.CBProp->isChecked());
                QVERIFY(!run.Setup().PrintProportional);
                QCOMPARE(page.ChartRect().left, start.x() + step);
                QVERIFY(StandsFor(page.ChartRect(), paper, run.Margins()));
                QCOMPARE(Shown(ui), run.Margins());
                QVERIFY(!ui.BReset->isEnabled());
            }
            // The lines moved in the shown sheet, the chart did not.
            const QImage during = page.grab().toImage();
            const int dot = paper.top + 2;
            QCOMPARE(Pixel(during, start.x() + 30 - 1, dot), Silver);
            QCOMPARE(Pixel(during, start.x() - 1, dot), White);
            QCOMPARE(page.RecordingCount(), recorded);

            // Off the sheet nothing changes.
            const print::Margins before = run.Margins();
            QTest::mouseMove(&page, QPoint(paper.left - 2, start.y()));
            QCOMPARE(run.Margins(), before);
            QCOMPARE(page.ChartRect().left, start.x() + 30);

            QTest::mouseRelease(&page, Qt::LeftButton, {}, QPoint(paper.left - 2, start.y()));
            QCOMPARE(page.RecordingCount(), recorded + 1);
            QVERIFY(ui.BReset->isEnabled());
            QVERIFY(Frames(page, before));
        });
    }

    // With "Поля" unchecked a drag leaves no lines behind.
    void draggingWithHiddenMarginLines() {
        PreviewRun run;
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            TPreviewPage& page = preview.Sheet();
            ui.ShowMargins->click();
            QVERIFY(!page.ShowMargins());
            const QPoint start = OnLeftLine(page);
            const int dot = page.PaperRect().top + 2;
            QTest::mousePress(&page, Qt::LeftButton, {}, start);
            QTest::mouseMove(&page, start + QPoint(12, 0));
            const QImage during = page.grab().toImage();
            QCOMPARE(Pixel(during, start.x() - 1, dot), White);
            QCOMPARE(Pixel(during, start.x() + 11, dot), White);
            QTest::mouseRelease(&page, Qt::LeftButton, {}, start + QPoint(12, 0));
            const QImage after = page.grab().toImage();
            QCOMPARE(Pixel(after, start.x() - 1, dot), White);
            QCOMPARE(Pixel(after, page.ChartRect().left - 1, dot), White);
        });
    }

    // A move drag keeps the chart's size, stops at the sheet's left and top edges, and refuses a
    // step that would bring the chart onto the right or bottom edge.
    void movingTheWholeChart() {
        PreviewRun run;
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            TPreviewPage& page = preview.Sheet();
            const print::Rect paper = page.PaperRect();
            const print::Rect chart = page.ChartRect();
            const QPoint start = InChart(page);
            QTest::mousePress(&page, Qt::LeftButton, {}, start);
            QCOMPARE(page.DragZone(), print::DragZone::Move);
            QTest::mouseMove(&page, QPoint(paper.left + 1, paper.top + 1));
            QCOMPARE(page.ChartRect(),
                     (print::Rect{paper.left, paper.top, paper.left + chart.Width(),
                                  paper.top + chart.Height()}));
            QCOMPARE(ui.SELeftMa->value(), 0);
            QCOMPARE(ui.SETopMa->value(), 0);
            QVERIFY(!ui.CBProp->isChecked());
            const print::Rect atCorner = page.ChartRect();
            QTest::mouseMove(&page, QPoint(paper.right - 1, paper.bottom - 1));
            QCOMPARE(page.ChartRect(), atCorner);
            QTest::mouseRelease(&page, Qt::LeftButton, {},
                                QPoint(paper.right - 1, paper.bottom - 1));
            QVERIFY(StandsFor(atCorner, paper, run.Margins()));
        });
    }

    void printSendsOnePage() {
        PreviewRun run;
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            QTest::mouseClick(ui.BPrint, Qt::LeftButton);
            QVERIFY(preview.isVisible());
            QCOMPARE(run.printers.jobs.size(), std::size_t(1));
        });
        const platform::FakeJob& job = run.printers.jobs.front();
        QCOMPARE(job.title, QString("Chart1"));
        QCOMPARE(job.printer, QString("Laser"));
        QCOMPARE(job.orientation, platform::Landscape);
        QCOMPARE(job.pages, 1);
        QVERIFY(!job.aborted);
        QVERIFY(run.messages.errors.isEmpty());
    }

    void aFailedPrintIsDiscardedAndReported_data() {
        QTest::addColumn<bool>("whileDrawing");
        QTest::newRow("drawing fails") << true;
        QTest::newRow("ending fails") << false;
    }
    void aFailedPrintIsDiscardedAndReported() {
        QFETCH(bool, whileDrawing);
        PreviewRun run;
        (whileDrawing ? run.printers.failDrawing : run.printers.failEnd) = "Paper jam";
        run.Open([&](TChartPreview& preview, Ui::TChartPreview& ui) {
            Paste(ui.SETopMa, "20");
            QTest::mouseClick(ui.BPrint, Qt::LeftButton);
            QCOMPARE(run.messages.errors, QStringList{"Paper jam."});
            QVERIFY(QApplication::overrideCursor() == nullptr);
            QVERIFY(preview.isVisible());
            QCOMPARE(Shown(ui), (print::Margins{15, 20, 15, 25}));
            // The next print goes through.
            QTest::mouseClick(ui.BPrint, Qt::LeftButton);
        });
        QCOMPARE(run.printers.jobs.size(), std::size_t(2));
        QVERIFY(run.printers.jobs[0].aborted);
        QCOMPARE(run.printers.jobs[0].pages, 0);
        QCOMPARE(run.printers.jobs[1].pages, 1);
        QVERIFY(!run.printers.JobOpen());
    }

    // The report's print button shows the preview the chart in its paper form, with the footer
    // for the results' name, while the screen's chart is hidden; afterwards the report shows its
    // chart again, and the next preview starts where this one left off.
    void theReportsPrintButton_data() {
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("footer");
        QTest::newRow("unsaved results") << false << "Тест Ормитан     ";
        QTest::newRow("saved as ivanov.tst") << true << "Тест Ормитан  -  ivanov";
    }
    void theReportsPrintButton() {
        QFETCH(bool, saved);
        QFETCH(QString, footer);
        TestProgram p;
        p.messages.warningAnswers = {MessageBoxes::Yes};
        chart::ResultsChart& chart = p.report->Chart1();
        std::vector<chart::ChartPrintout> shown;
        std::vector<bool> chartHidden;
        std::vector<bool> proportional;
        p.WhenReportShown([&] {
            for (int opening = 0; opening < 2; ++opening) {
                WhenPreviewShown([&](TChartPreview& preview) {
                    shown.push_back(*preview.Sheet().Image());
                    chartHidden.push_back(!chart.isVisible());
                    proportional.push_back(preview.Controls().CBProp->isChecked());
                    preview.Controls().CBProp->setChecked(false);
                    preview.close();
                });
                QTest::mouseClick(p.report->Controls().SpeedButtonPrint, Qt::LeftButton);
                QVERIFY(chart.isVisible());
            }
            p.report->close();
        });
        if (saved) {
            const QString path = dir_.filePath("ivanov.tst");
            QVERIFY(QFile::copy(qEnvironmentVariable("ORMITAN_SOURCE_DIR") + "/content/sample.tst",
                                path));
            p.dialogs.openAnswers = {QFile::encodeName(path).toStdString()};
            QTest::mouseClick(p.ui().SpeedButtonOpen, Qt::LeftButton);
        } else {
            p.AnswerThrough(125, [](int) { return 2; });
        }
        QCOMPARE(shown.size(), std::size_t(2));
        QVERIFY(shown[0].form.paper);
        QCOMPARE(shown[0].form.footer, footer);
        QCOMPARE(shown[0].title, QString("Chart1"));
        QCOMPARE(shown[0].clientSize, (print::Size{chart.width(), chart.height()}));
        QCOMPARE(shown[0].points.size(), std::size_t(25));
        QCOMPARE(shown[0].points[0].value, saved ? 12.0 : 10.0);
        QCOMPARE(chartHidden, (std::vector<bool>{true, true}));
        QCOMPARE(proportional, (std::vector<bool>{true, false}));
        QVERIFY(!chart.PrintSettings().PrintProportional);
        QVERIFY(p.messages.errors.isEmpty());
    }
};

ORMITAN_WIDGET_TEST_MAIN(TestPrintPreview)
#include "test_print_preview.moc"
