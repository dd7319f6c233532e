// The designer window: every input reaches the solve, the contacts and the
// shield's kind, the material table, wrong input, and a solve superseded
// while it runs. Expected figures come from the solver's own calls on the
// pair the test states, not from the window.

#include <QAreaSeries>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QTabBar>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <functional>
#include <sstream>
#include <memory>

#include "AccuracyNote.h"
#include "Colours.h"
#include "DesignerChecks.h"
#include "commands/FiveChargeDeviation.h"
#include "commands/Impedances.h"
#include "fivecharge/Qol_math1.h"
#include "Coaxmain.h"
#include "Forms.h"
#include "designer/CrossSectionView.h"
#include "commands/DesignSolve.h"
#include "designer/DesignPanel.h"
#include "designer/DesignWindow.h"
#include "designer/ImpedanceSweep.h"
#include "NumberText.h"
#include "designer/InputPanel.h"
#include "designer/ResultPanel.h"
#include "field/InsulatedSolver.h"
#include "field/PairModes.h"
#include "line/ModeLoss.h"
#include "line/Rlgc.h"
#include "Materials.h"
#include "Run.h"
#include "UiTestSupport.h"

namespace {

constexpr int kSettleMs = 20000;  // a foil with a drain wire takes about a second on a busy machine

struct Expected {
    PairDesign design;
    LineLosses losses;
    double frequency = 1e9;

    // A foil is duvane-calc's: 9 um of aluminium.
    void foil()
    {
        design.shield = ShieldKind::Foil;
        losses.foil = {.conductivity = 0.61 * 5.8e7, .thickness = 9e-6};
    }
};

// The window's start, as the test states it: 0.5 mm cores in 1.3 mm PE
// sleeves pressed together, the round shield tight over them, air between,
// copper, 1 GHz.
Expected initialPair()
{
    Expected e;
    e.design.coreDiameter = 0.5e-3;
    e.design.sleeveDiameter = 1.3e-3;
    e.design.spacingTouch = true;
    e.design.shieldTouch = true;
    e.design.sleeveEr = 2.26;
    e.design.fillerEr = 1;
    e.losses.tanDelta = {2e-4, 2e-4, 0};
    e.losses.conductivity = 5.8e7;
    return e;
}

struct Solved {
    PairModes modes;
    PairLoss loss;
};

Solved solveDirectly(const Expected& e)
{
    InsulatedSolver solver;
    const CrossSection section = crossSectionOf(e.design);
    const FieldSolution solution = solver.solve(section);
    Solved solved{pairModes(solution), {}};
    solved.loss = pairLoss(RlgcModel(section, solution, e.losses), e.frequency);
    return solved;
}

void checkShows(const DesignWindow& window, const char* name, double expected)
{
    const QString why = valueMismatch(window, name, expected);
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

// Every figure the window shows against the solver's.
void checkFigures(const DesignWindow& window, const Expected& e)
{
    const QString why = figureMismatch(window, e.design, e.losses, e.frequency);
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

void checkCase(const DesignWindow& window, const Expected& e)
{
    QVERIFY(window.currentCase().has_value());
    const DesignCase& c = *window.currentCase();
    const PairDesign& got = c.design;
    const PairDesign& want = e.design;
    QCOMPARE(got.coreDiameter, want.coreDiameter);
    QCOMPARE(got.sleeveDiameter, want.sleeveDiameter);
    QCOMPARE(got.spacingTouch, want.spacingTouch);
    QCOMPARE(got.spacingOf(), want.spacingOf());
    QCOMPARE(got.shield, want.shield);
    if (want.shield == ShieldKind::Round) {
        QCOMPARE(got.shieldTouch, want.shieldTouch);
        QCOMPARE(got.shieldOf(), want.shieldOf());
    } else {
        QCOMPARE(got.clearance, want.clearance);
        QCOMPARE(got.drainDiameter, want.drainDiameter);
    }
    QCOMPARE(got.sleeveEr, want.sleeveEr);
    QCOMPARE(got.fillerEr, want.fillerEr);
    QCOMPARE(c.losses.tanDelta, e.losses.tanDelta);
    QCOMPARE(c.losses.conductivity, e.losses.conductivity);
    QCOMPARE(c.losses.foil.conductivity, e.losses.foil.conductivity);
    QCOMPARE(c.losses.foil.thickness, e.losses.foil.thickness);
    QCOMPARE(c.frequency, e.frequency);
}

// The window has settled on results of the inputs it shows.
bool settled(const DesignWindow& window)
{
    return !window.solving() && window.results()->isCurrent();
}

void setText(DesignWindow& window, const char* box, const QString& text)
{
    auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(box));
    QVERIFY2(edit != nullptr, box);
    edit->setText(text);
}

void setChecked(DesignWindow& window, const char* box, bool checked)
{
    auto* check = window.findChild<QCheckBox*>(QString::fromLatin1(box));
    QVERIFY2(check != nullptr, box);
    check->setChecked(checked);
}

// As the user picks an item: the item, then its activation.
void choose(DesignWindow& window, const char* box, const QString& item)
{
    auto* combo = window.findChild<QComboBox*>(QString::fromLatin1(box));
    QVERIFY2(combo != nullptr, box);
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QString materialName(std::string_view name)
{
    const Material* material = findMaterial(name);
    return QString::fromUtf8(material->japanese.data(), static_cast<qsizetype>(material->japanese.size()));
}

// The diameter of AWG size n by its definition: 0.005 in at size 36, 0.46 in
// at 0000, a geometric series of 39 steps between.
double awgMetres(int n)
{
    return 0.005 * 25.4e-3 * std::pow(0.46 / 0.005, (36.0 - n) / 39.0);
}

struct EditCase {
    const char* name;
    std::function<void(DesignWindow&)> edit;
    std::function<void(Expected&)> expect;
};

const std::vector<EditCase>& editCases()
{
    static const std::vector<EditCase> cases = {
        {"core diameter", [](DesignWindow& w) { setText(w, "coreDiameter", "0.4"); },
         [](Expected& e) { e.design.coreDiameter = 0.4e-3; }},
        {"core by AWG 26", [](DesignWindow& w) { choose(w, "coreAwg", "AWG 26"); },
         [](Expected& e) { e.design.coreDiameter = awgMetres(26); }},
        {"sleeve, S and D follow", [](DesignWindow& w) { setText(w, "sleeveDiameter", "1.45"); },
         [](Expected& e) { e.design.sleeveDiameter = 1.45e-3; }},
        {"spacing apart",
         [](DesignWindow& w) {
             setChecked(w, "spacingTouch", false);
             setText(w, "spacing", "1.5");
         },
         [](Expected& e) {
             e.design.spacingTouch = false;
             e.design.spacing = 1.5e-3;
         }},
        {"spacing in mil",
         [](DesignWindow& w) {
             setChecked(w, "spacingTouch", false);
             setText(w, "spacing", "60mil");
         },
         [](Expected& e) {
             e.design.spacingTouch = false;
             e.design.spacing = 60 * 0.0254e-3;
         }},
        {"shield apart",
         [](DesignWindow& w) {
             setChecked(w, "shieldTouch", false);
             setText(w, "shieldDiameter", "3.2");
         },
         [](Expected& e) {
             e.design.shieldTouch = false;
             e.design.shieldDiameter = 3.2e-3;
         }},
        {"foil with clearance",
         [](DesignWindow& w) {
             choose(w, "shieldKind", "フォイル (被覆に沿う)");
             setText(w, "clearance", "0.05");
         },
         [](Expected& e) {
             e.foil();
             e.design.clearance = 0.05e-3;
         }},
        {"foil with a drain wire",
         [](DesignWindow& w) {
             choose(w, "shieldKind", "フォイル (被覆に沿う)");
             setText(w, "drainDiameter", "0.3");
         },
         [](Expected& e) {
             e.foil();
             e.design.drainDiameter = 0.3e-3;
         }},
        {"sleeve material PTFE", [](DesignWindow& w) { choose(w, "sleeveMaterial", materialName("ptfe")); },
         [](Expected& e) {
             e.design.sleeveEr = 2.1;
             e.losses.tanDelta[0] = e.losses.tanDelta[1] = 2e-4;
         }},
        {"sleeve Er typed", [](DesignWindow& w) { setText(w, "sleeveEr", "2.5"); },
         [](Expected& e) { e.design.sleeveEr = 2.5; }},
        {"sleeve tangent typed", [](DesignWindow& w) { setText(w, "sleeveTand", "0.001"); },
         [](Expected& e) { e.losses.tanDelta[0] = e.losses.tanDelta[1] = 1e-3; }},
        {"filler material foamed PE", [](DesignWindow& w) { choose(w, "fillMaterial", materialName("foam-pe")); },
         [](Expected& e) {
             e.design.fillerEr = 1.55;
             e.losses.tanDelta[2] = 1e-4;
         }},
        {"filler Er typed", [](DesignWindow& w) { setText(w, "fillEr", "1.3"); },
         [](Expected& e) { e.design.fillerEr = 1.3; }},
        {"filler tangent typed", [](DesignWindow& w) { setText(w, "fillTand", "0.002"); },
         [](Expected& e) { e.losses.tanDelta[2] = 2e-3; }},
        {"frequency", [](DesignWindow& w) { setText(w, "frequency", "250MHz"); },
         [](Expected& e) { e.frequency = 250e6; }},
        {"conductivity", [](DesignWindow& w) { setText(w, "conductivity", "3.5e7"); },
         [](Expected& e) { e.losses.conductivity = 3.5e7; }},
    };
    return cases;
}

}  // namespace

class TestDesigner : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensFromTheMainWindowMenu();
    void everyControlIsNamed();
    void startsWithTheInitialPair();
    void inputsReachTheSolve_data();
    void inputsReachTheSolve();
    void contactsAndShieldKind();
    void materialTable();
    void wrongInput_data();
    void wrongInput();
    void wrongShape_data();
    void wrongShape();
    void supersededSolve();
    void fiveChargeBesideConverged_data();
    void fiveChargeBesideConverged();
    void drawnToScale_data();
    void drawnToScale();
    void drawingFollowsTheInputs();
    void designFillsTheInputs_data();
    void designFillsTheInputs();
    void designRefusals_data();
    void designRefusals();
    void designOutOfReach();
    void csvAsTheCommandLine_data();
    void csvAsTheCommandLine();
    void copyText();
    void impedanceChart();
    void chartOfAFixedDimension();
    void lossChart();
    void saveChart();

private:
    FakeDialogs dialogs_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    std::unique_ptr<DesignWindow> window_;
};

void TestDesigner::init()
{
    watchdog_ = std::make_unique<ModalWatchdog>();
    window_ = std::make_unique<DesignWindow>(dialogs_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTRY_VERIFY_WITH_TIMEOUT(settled(*window_), kSettleMs);
}

void TestDesigner::cleanup()
{
    window_.reset();
    QVERIFY(dialogs_.messages.empty());
    watchdog_.reset();
}

void TestDesigner::opensFromTheMainWindowMenu()
{
    FakeDialogs dialogs;
    createForms(dialogs);
    QAction* action = FormMain->findChild<QAction*>(QStringLiteral("designAction"));
    QVERIFY(action != nullptr);
    action->trigger();
    auto* window = FormMain->findChild<DesignWindow*>(QStringLiteral("designWindow"));
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible() && window->isWindow());
    // A second time the same window comes to the front.
    action->trigger();
    QCOMPARE(FormMain->findChildren<DesignWindow*>().size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(settled(*window), kSettleMs);
    destroyForms();
}

// Ours, that is: the parts Qt builds inside a list, a spin box, a scroll
// area (the charts' views), a tab bar or the file dialog are Qt's.
void TestDesigner::everyControlIsNamed()
{
    QStringList unnamed;
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
        bool qtsOwn = widget->objectName().startsWith("qt_");
        for (QWidget* up = widget->parentWidget(); up != window_.get() && !qtsOwn; up = up->parentWidget())
            qtsOwn = qobject_cast<QComboBox*>(up) || qobject_cast<QAbstractSpinBox*>(up) ||
                     qobject_cast<QAbstractScrollArea*>(up) || qobject_cast<QTabBar*>(up) || qobject_cast<QFileDialog*>(up);
        if (!qtsOwn && widget->objectName().isEmpty())
            unnamed << QString::fromLatin1(widget->metaObject()->className()) + " under " + widget->parentWidget()->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    // The names the window is known by.
    for (const char* name : {"coreDiameter", "coreAwg", "sleeveDiameter", "spacing", "spacingTouch", "shieldDiameter",
                             "shieldTouch", "shieldKind", "clearance", "drainDiameter", "sleeveMaterial", "sleeveEr",
                             "sleeveTand", "fillMaterial", "fillEr", "fillTand", "frequency", "conductivity",
                             "targetZdiff", "targetZcm", "solveFor", "solveButton", "resultZe", "resultZo",
                             "resultZdiff", "resultZcm", "resultSkew", "resultLossDiff", "resultErrorBound",
                             "crossSection", "impedanceChart", "lossChart", "designStatus"})
        QVERIFY2(window_->findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
}

void TestDesigner::startsWithTheInitialPair()
{
    checkCase(*window_, initialPair());
    checkFigures(*window_, initialPair());
}

void TestDesigner::inputsReachTheSolve_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < editCases().size(); ++i)
        QTest::newRow(editCases()[i].name) << static_cast<int>(i);
}

void TestDesigner::inputsReachTheSolve()
{
    QFETCH(int, row);
    const EditCase& edit = editCases()[static_cast<std::size_t>(row)];
    edit.edit(*window_);
    QTRY_VERIFY_WITH_TIMEOUT(settled(*window_), kSettleMs);
    Expected expected = initialPair();
    edit.expect(expected);
    checkCase(*window_, expected);
    if (QTest::currentTestFailed())
        return;
    checkFigures(*window_, expected);
}

void TestDesigner::contactsAndShieldKind()
{
    InputPanel& inputs = *window_->inputs();
    // Pressed together and into the shield: S and D are the contacts' lengths, not typed.
    QVERIFY(!inputs.box(Entry::Spacing)->isEnabled());
    QVERIFY(!inputs.box(Entry::ShieldDiameter)->isEnabled());
    QCOMPARE(inputs.box(Entry::Spacing)->text(), QStringLiteral("1.3"));
    QCOMPARE(inputs.box(Entry::ShieldDiameter)->text(), QStringLiteral("2.6"));
    QVERIFY(!inputs.box(Entry::Clearance)->isEnabled() && !inputs.box(Entry::Drain)->isEnabled());

    setText(*window_, "sleeveDiameter", "1.4");
    QCOMPARE(inputs.box(Entry::Spacing)->text(), QStringLiteral("1.4"));
    QCOMPARE(inputs.box(Entry::ShieldDiameter)->text(), QStringLiteral("2.8"));

    // Apart, the boxes keep the lengths the contacts gave, now typed.
    setChecked(*window_, "spacingTouch", false);
    QVERIFY(inputs.box(Entry::Spacing)->isEnabled());
    setText(*window_, "spacing", "1.6");
    QCOMPARE(inputs.box(Entry::ShieldDiameter)->text(), QStringLiteral("3"));
    setChecked(*window_, "shieldTouch", false);
    QVERIFY(inputs.box(Entry::ShieldDiameter)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(settled(*window_), kSettleMs);
    QVERIFY(!window_->currentCase()->design.spacingTouch && !window_->currentCase()->design.shieldTouch);
    QCOMPARE(window_->currentCase()->design.shieldDiameter, 3e-3);

    // A foil has no diameter and no contact with it; it has a clearance and a drain wire.
    choose(*window_, "shieldKind", "フォイル (被覆に沿う)");
    QVERIFY(!inputs.box(Entry::ShieldDiameter)->isEnabled());
    QVERIFY(!window_->findChild<QCheckBox*>(QStringLiteral("shieldTouch"))->isEnabled());
    QVERIFY(inputs.box(Entry::Clearance)->isEnabled() && inputs.box(Entry::Drain)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(settled(*window_), kSettleMs);
    QCOMPARE(window_->currentCase()->design.shield, ShieldKind::Foil);

    // An AWG size gives d, shown in its disabled box.
    choose(*window_, "coreAwg", "AWG 24");
    QVERIFY(!inputs.box(Entry::CoreDiameter)->isEnabled());
    QCOMPARE(inputs.box(Entry::CoreDiameter)->text().toDouble(), std::round(awgMetres(24) * 1e12) / 1e9);
    choose(*window_, "coreAwg", "mm で指定");
    QVERIFY(inputs.box(Entry::CoreDiameter)->isEnabled());
}

void TestDesigner::materialTable()
{
    auto* sleeve = window_->findChild<QComboBox*>(QStringLiteral("sleeveMaterial"));
    QCOMPARE(sleeve->currentText(), materialName("pe"));
    for (const Material& material : materials()) {
        const QString name = QString::fromUtf8(material.japanese.data(), static_cast<qsizetype>(material.japanese.size()));
        choose(*window_, "sleeveMaterial", name);
        QCOMPARE(window_->inputs()->box(Entry::SleeveEr)->text().toDouble(), material.er);
        QCOMPARE(window_->inputs()->box(Entry::SleeveTand)->text().toDouble(), material.tanDelta);
        QTRY_VERIFY_WITH_TIMEOUT(settled(*window_), kSettleMs);
        QCOMPARE(window_->currentCase()->design.sleeveEr, material.er);
        QCOMPARE(window_->currentCase()->losses.tanDelta[0], material.tanDelta);
    }
    // Numbers of one's own are custom; a material's numbers are that material.
    setText(*window_, "sleeveEr", "2.2");
    QCOMPARE(sleeve->currentText(), QStringLiteral("カスタム"));
    setText(*window_, "sleeveEr", "2.1");
    setText(*window_, "sleeveTand", "0.0002");
    QCOMPARE(sleeve->currentText(), materialName("ptfe"));
    // The filler's list is its own.
    auto* fill = window_->findChild<QComboBox*>(QStringLiteral("fillMaterial"));
    QCOMPARE(fill->currentText(), materialName("air"));
    setText(*window_, "fillTand", "0.01");
    QCOMPARE(fill->currentText(), QStringLiteral("カスタム"));
    QCOMPARE(sleeve->currentText(), materialName("ptfe"));
}

void TestDesigner::wrongInput_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("says");
    QTest::newRow("empty core") << "coreDiameter" << "" << "空です";
    QTest::newRow("not a number") << "sleeveDiameter" << "abc" << "「abc」は使えません";
    QTest::newRow("decimal comma") << "coreDiameter" << "0,5" << "小数点は「.」";
    QTest::newRow("unknown unit") << "sleeveDiameter" << "1.3cm" << "mm で入力";
    QTest::newRow("negative length") << "coreDiameter" << "-0.5" << "正の長さ";
    QTest::newRow("negative tangent") << "sleeveTand" << "-0.001" << "0 から 0.1";
    QTest::newRow("tangent too large") << "fillTand" << "0.5" << "0 から 0.1";
    QTest::newRow("Er below 1") << "fillEr" << "0.8" << "1 以上";
    QTest::newRow("frequency without a unit word") << "frequency" << "fast" << "1GHz";
    QTest::newRow("conductivity of no metal") << "conductivity" << "10" << "1e5 から 1e8";
}

void TestDesigner::wrongInput()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, says);
    auto* edit = window_->findChild<QLineEdit*>(box);
    const QString before = edit->text();
    edit->setText(text);
    // Said at once, without a dialog; the results gray out and stay so.
    const auto* status = window_->findChild<QLabel*>(QStringLiteral("designStatus"));
    QVERIFY2(status->text().contains(says), qPrintable(status->text()));
    QCOMPARE(edit->palette().color(QPalette::Base), invalidFieldColour());
    QVERIFY(!window_->results()->isCurrent());
    QVERIFY(!window_->currentCase());
    QTest::qWait(50);
    QVERIFY(!window_->results()->isCurrent());
    QVERIFY(!resultLabel(*window_, "resultZdiff")->isEnabled());
    // Put right, the mark goes and the results come back.
    edit->setText(before);
    QVERIFY(edit->palette().color(QPalette::Base) != invalidFieldColour());
    QTRY_VERIFY_WITH_TIMEOUT(settled(*window_), kSettleMs);
    QVERIFY(resultLabel(*window_, "resultZdiff")->isEnabled());
    checkFigures(*window_, initialPair());
}

struct ShapeCase {
    const char* name;
    std::function<void(DesignWindow&)> edit;
    const char* box;
    const char* says;
};

void foilWithApartSleeves(DesignWindow& w, const char* drain)
{
    choose(w, "shieldKind", "フォイル (被覆に沿う)");
    setChecked(w, "spacingTouch", false);
    setText(w, "spacing", "1.6");
    setText(w, "drainDiameter", drain);
}

const std::vector<ShapeCase>& shapeCases()
{
    static const std::vector<ShapeCase> cases = {
        {"core thicker than its sleeve", [](DesignWindow& w) { setText(w, "coreDiameter", "1.5"); }, "sleeveDiameter",
         "Di を d 以上"},
        {"sleeves overlap",
         [](DesignWindow& w) {
             setChecked(w, "spacingTouch", false);
             setText(w, "spacing", "1.0");
         },
         "spacing", "被覆が重なっています"},
        {"sleeve through the shield",
         [](DesignWindow& w) {
             setChecked(w, "shieldTouch", false);
             setText(w, "shieldDiameter", "2.4");
         },
         "shieldDiameter", "突き抜けています"},
        {"drain wire through the groove", [](DesignWindow& w) { foilWithApartSleeves(w, "0.2"); }, "drainDiameter",
         "溝に落ちます"},
        {"drain wire on bare cores",
         [](DesignWindow& w) {
             choose(w, "shieldKind", "フォイル (被覆に沿う)");
             setText(w, "sleeveDiameter", "0.5");
             setText(w, "drainDiameter", "0.3");
         },
         "drainDiameter", "裸の導体"},
    };
    return cases;
}

void TestDesigner::wrongShape_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < shapeCases().size(); ++i)
        QTest::newRow(shapeCases()[i].name) << static_cast<int>(i);
}

void TestDesigner::wrongShape()
{
    QFETCH(int, row);
    const ShapeCase& shape = shapeCases()[static_cast<std::size_t>(row)];
    shape.edit(*window_);
    const auto* status = window_->findChild<QLabel*>(QStringLiteral("designStatus"));
    QVERIFY2(status->text().contains(QString::fromUtf8(shape.says)), qPrintable(status->text()));
    QCOMPARE(window_->findChild<QLineEdit*>(shape.box)->palette().color(QPalette::Base), invalidFieldColour());
    QVERIFY(!window_->currentCase());
    QTest::qWait(50);
    QVERIFY(!window_->results()->isCurrent());
}

// A drain wire makes the foil's solve slow (about 0.6 s): typing on while it
// runs supersedes it, the window stays live, and no result but the last
// input's is ever shown.
void TestDesigner::supersededSolve()
{
    int shown = 0;
    double shownDrain = -1;
    connect(window_.get(), &DesignWindow::resultsShown, this, [&] {
        ++shown;
        shownDrain = window_->currentCase()->design.drainDiameter;
    });
    choose(*window_, "shieldKind", "フォイル (被覆に沿う)");
    setText(*window_, "drainDiameter", "0.3");
    QVERIFY(window_->solving());
    // The event loop runs while the solve does.
    QTest::qWait(20);
    QVERIFY(window_->solving());
    QVERIFY(!window_->results()->isCurrent());
    setText(*window_, "drainDiameter", "0.35");
    setText(*window_, "drainDiameter", "0");
    QTRY_VERIFY_WITH_TIMEOUT(settled(*window_), kSettleMs);
    QCOMPARE(shown, 1);
    QCOMPARE(shownDrain, 0.0);
    Expected expected = initialPair();
    expected.foil();
    checkFigures(*window_, expected);
}

// The five-charge figure where one dielectric fills a round shield, its
// deviation from the converged one and the main window's note on it: the
// expected values from the five-charge calculator and the homogeneous
// converged solver (ConvergedSolver), which the window does not call.
void TestDesigner::fiveChargeBesideConverged_data()
{
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("sleeve");
    QTest::addColumn<QString>("spacing");
    QTest::addColumn<QString>("shield");
    QTest::addColumn<QString>("fillMaterial");
    QTest::addColumn<bool>("noted");
    // S/D 0.5, D/d 10: within 0.1 %, nothing to note.
    QTest::newRow("wide gaps, PE all through") << "0.5" << "1" << "2.5" << "5" << "pe" << false;
    // S/D 0.3, D/d 4: the cores 0.4 r apart, Zo -0.6 %.
    QTest::newRow("bare cores close together") << "1" << "1" << "1.2" << "4" << "air" << true;
}

void TestDesigner::fiveChargeBesideConverged()
{
    QFETCH(QString, d);
    QFETCH(QString, sleeve);
    QFETCH(QString, spacing);
    QFETCH(QString, shield);
    QFETCH(QString, fillMaterial);
    QFETCH(bool, noted);
    setChecked(*window_, "spacingTouch", false);
    setChecked(*window_, "shieldTouch", false);
    setText(*window_, "shieldDiameter", shield);
    setText(*window_, "spacing", spacing);
    setText(*window_, "coreDiameter", d);
    setText(*window_, "sleeveDiameter", sleeve);
    choose(*window_, "fillMaterial", materialName(fillMaterial.toStdString()));
    QTRY_VERIFY_WITH_TIMEOUT(settled(*window_), kSettleMs);

    const double sd = spacing.toDouble() / shield.toDouble(), dd = shield.toDouble() / d.toDouble();
    const double er = findMaterial(fillMaterial.toStdString())->er;
    TQol_COAXMath1 calc;
    const Impedances five = calculateImpedances(calc, sd, dd, er, false);
    QVERIFY(five.error.empty());
    ConvergedSolver converged;
    const FiveChargeDeviation deviation = fiveChargeDeviation(converged, sd, dd);
    const ConvergedImpedance air = converged.solve(sd, dd);
    // Both converged solutions agree far below the deviations shown.
    const double zeDeviation = five.ze / (air.ze / std::sqrt(er)) - 1;
    const double zoDeviation = five.zo / (air.zo / std::sqrt(er)) - 1;
    checkShows(*window_, "resultFiveChargeZe", five.ze);
    checkShows(*window_, "resultFiveChargeZo", five.zo);
    const QString zeText = resultLabel(*window_, "resultFiveChargeZe")->text();
    const QString zoText = resultLabel(*window_, "resultFiveChargeZo")->text();
    QVERIFY2(zeText.endsWith("(" + percent(zeDeviation) + ")"), qPrintable(zeText));
    QVERIFY2(zoText.endsWith("(" + percent(zoDeviation) + ")"), qPrintable(zoText));
    const AccuracyNote note = accuracyNote(deviation, sd, dd, er, 3);
    QCOMPARE(!note.word.isEmpty(), noted);
    const QString shownNote = resultLabel(*window_, "fiveChargeNote")->text();
    if (note.word.isEmpty())
        QVERIFY2(shownNote.contains("0.1 % 以内"), qPrintable(shownNote));
    else
        QCOMPARE(shownNote, note.impedanceStatus());
}

// Runs of one colour along an image row: their starts and lengths.
std::vector<std::pair<int, int>> runsOf(const QImage& image, int y, const QColor& colour)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) != colour)
            continue;
        if (!runs.empty() && runs.back().first + runs.back().second == x)
            ++runs.back().second;
        else
            runs.push_back({x, 1});
    }
    return runs;
}

void TestDesigner::drawnToScale_data()
{
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("sleeve");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<bool>("foil");
    QTest::addColumn<double>("drain");
    QTest::newRow("round, apart") << 0.5 << 1.3 << 1.8 << false << 0.0;
    QTest::newRow("round, thin cores") << 0.2 << 1.5 << 1.5 << false << 0.0;
    QTest::newRow("foil with a drain wire") << 0.4 << 1.0 << 1.2 << true << 0.3;
}

// Measured off the picture: the cores' width and the sleeves' against the
// distance of their centres, and the drain wire where it rests on both
// sleeves, each within the pixels its edges blur.
void TestDesigner::drawnToScale()
{
    QFETCH(double, d);
    QFETCH(double, sleeve);
    QFETCH(double, spacing);
    QFETCH(bool, foil);
    QFETCH(double, drain);
    PairDesign design;
    design.coreDiameter = d * 1e-3;
    design.sleeveDiameter = sleeve * 1e-3;
    design.spacing = spacing * 1e-3;
    design.shield = foil ? ShieldKind::Foil : ShieldKind::Round;
    design.shieldDiameter = (spacing + sleeve) * 1.2e-3;
    design.drainDiameter = drain * 1e-3;
    design.sleeveEr = 2.1;
    QImage image(480, 360, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintPair(painter, image.rect(), design);
    }
    const CrossSectionColours colours;
    // The row through the centres holds the most metal.
    int centreRow = 0;
    std::size_t most = 0;
    for (int y = 0; y < image.height(); ++y) {
        std::size_t metal = 0;
        for (const auto& [start, length] : runsOf(image, y, colours.metal))
            metal += static_cast<std::size_t>(length);
        if (metal > most) {
            most = metal;
            centreRow = y;
        }
    }
    const auto cores = runsOf(image, centreRow, colours.metal);
    QCOMPARE(cores.size(), std::size_t{2});
    const auto middle = [](const std::pair<int, int>& run) { return run.first + run.second / 2.0; };
    const double scale = (middle(cores[1]) - middle(cores[0])) / spacing;  // px per mm
    for (const auto& [start, length] : cores)
        QVERIFY2(std::fabs(length - d * scale) <= 2.5, qPrintable(QString("core %1 px, %2 px to scale").arg(length).arg(d * scale)));
    // A sleeve's outline takes up to 2.5 px off each outer edge.
    const auto sleeves = runsOf(image, centreRow, colours.sleeve);
    const int left = sleeves.front().first, right = sleeves.back().first + sleeves.back().second;
    QVERIFY2(std::fabs((right - left) - (spacing + sleeve) * scale) <= 5, qPrintable(QString("sleeves %1 px, %2 px to scale").arg(right - left).arg((spacing + sleeve) * scale)));
    if (drain > 0) {
        const double height = std::sqrt(std::pow((sleeve + drain) / 2, 2) - std::pow(spacing / 2, 2));
        const QPoint drainCentre(qRound((middle(cores[0]) + middle(cores[1])) / 2), qRound(centreRow - height * scale));
        QCOMPARE(image.pixelColor(drainCentre), colours.metal);
    }
}

void TestDesigner::drawingFollowsTheInputs()
{
    CrossSectionView* drawing = window_->drawing();
    const QImage before = drawing->grab().toImage();
    setText(*window_, "sleeveDiameter", "1.6");
    QVERIFY(drawing->grab().toImage() != before);
    // Wrong input fades the last pair drawn rather than dropping it.
    const QImage valid = drawing->grab().toImage();
    setText(*window_, "sleeveDiameter", "");
    const QImage faded = drawing->grab().toImage();
    QVERIFY(faded != valid);
    const CrossSectionColours colours;
    int metal = 0;
    for (int y = 0; y < faded.height(); ++y)
        for (int x = 0; x < faded.width(); ++x)
            metal += faded.pixelColor(x, y) == colours.metal ? 1 : 0;
    QCOMPARE(metal, 0);
}

struct DesignCaseRow {
    const char* name;
    std::function<void(DesignWindow&)> setUp;
    const char* zDiff;
    const char* zCm;
    const char* solveFor;
};

const std::vector<DesignCaseRow>& designRows()
{
    static const std::vector<DesignCaseRow> rows = {
        {"D for Zdiff", [](DesignWindow& w) { setChecked(w, "shieldTouch", false); }, "100", "", "D"},
        {"S for Zdiff, the shield on the sleeves", [](DesignWindow& w) { setChecked(w, "spacingTouch", false); }, "110",
         "", "S"},
        {"Di for Zcm, everything touching", [](DesignWindow&) {}, "", "30", "Di"},
        {"d for Zdiff, from an AWG size", [](DesignWindow& w) { choose(w, "coreAwg", "AWG 26"); }, "90", "", "d"},
        {"D and S for both",
         [](DesignWindow& w) {
             setChecked(w, "spacingTouch", false);
             setChecked(w, "shieldTouch", false);
             setText(w, "spacing", "1.6");
             setText(w, "shieldDiameter", "3.4");
         },
         "110", "40", "D と S"},
        {"S under a foil",
         [](DesignWindow& w) {
             choose(w, "shieldKind", "フォイル (被覆に沿う)");
             setChecked(w, "spacingTouch", false);
         },
         "85", "", "S"},
    };
    return rows;
}

void TestDesigner::designFillsTheInputs_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < designRows().size(); ++i)
        QTest::newRow(designRows()[i].name) << static_cast<int>(i);
}

// The answer is the solver's own design solve from the same start, typed
// into the inputs, and the results then meet the targets.
void TestDesigner::designFillsTheInputs()
{
    QFETCH(int, row);
    const DesignCaseRow& design = designRows()[static_cast<std::size_t>(row)];
    design.setUp(*window_);
    QTRY_VERIFY_WITH_TIMEOUT(settled(*window_), kSettleMs);
    const PairDesign start = window_->currentCase()->design;
    setText(*window_, "targetZdiff", design.zDiff);
    setText(*window_, "targetZcm", design.zCm);
    choose(*window_, "solveFor", QString::fromUtf8(design.solveFor));
    window_->findChild<QPushButton*>(QStringLiteral("solveButton"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(settled(*window_), kSettleMs);

    std::vector<TargetValue> targets;
    if (*design.zDiff != 0)
        targets.push_back({DesignTarget::Zdiff, QString(design.zDiff).toDouble()});
    if (*design.zCm != 0)
        targets.push_back({DesignTarget::Zcm, QString(design.zCm).toDouble()});
    std::vector<DesignDimension> free;
    for (const QString& name : QString::fromUtf8(design.solveFor).split(QStringLiteral(" と ")))
        for (const DesignDimension dimension : {DesignDimension::ShieldDiameter, DesignDimension::Spacing,
                                                DesignDimension::SleeveDiameter, DesignDimension::CoreDiameter})
            if (dimensionName(dimension) == name)
                free.push_back(dimension);
    QCOMPARE(free.size(), targets.size());
    InsulatedSolver solver;
    DesignResult found = solveDesign(solver, start, free, targets);
    QVERIFY2(found.error.empty(), found.error.c_str());
    for (const DesignDimension dimension : free) {
        const double typed = window_->inputs()->box(entryOf(dimension))->text().toDouble() * 1e-3;
        QVERIFY(std::fabs(typed / dimensionOf(found.design, dimension) - 1) < 1e-8);
    }
    for (const TargetValue& target : targets)
        checkShows(*window_, target.kind == DesignTarget::Zdiff ? "resultZdiff" : "resultZcm", target.ohms);
    const auto* status = window_->findChild<QLabel*>(QStringLiteral("designStatus"));
    QVERIFY2(status->text().startsWith("設計: "), qPrintable(status->text()));
}

void TestDesigner::designRefusals_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("zDiff");
    QTest::addColumn<QString>("zCm");
    QTest::addColumn<QString>("solveFor");
    QTest::addColumn<QString>("says");
    QTest::newRow("no target") << "" << "" << "" << "D" << "目標の Zdiff か Zcm";
    QTest::newRow("two targets, one dimension") << "" << "100" << "30" << "S" << "目標が 2 つなら";
    QTest::newRow("target no number") << "" << "1OO" << "" << "D" << "「1OO」は使えません";
    QTest::newRow("S fixed by its contact") << "" << "100" << "" << "S" << "S の「接触」を外して";
    QTest::newRow("D fixed by its contact") << "" << "100" << "" << "D" << "D の「接触」を外して";
    QTest::newRow("no D under a foil") << "foil" << "100" << "" << "D" << "フォイルには内径 D がありません";
    QTest::newRow("inputs wrong") << "wrong" << "100" << "" << "Di" << "設計できません: 「導体径 d (mm)」に「x」は使えません";
}

void TestDesigner::designRefusals()
{
    QFETCH(QString, setUp);
    QFETCH(QString, zDiff);
    QFETCH(QString, zCm);
    QFETCH(QString, solveFor);
    QFETCH(QString, says);
    if (setUp == "foil")
        choose(*window_, "shieldKind", "フォイル (被覆に沿う)");
    if (setUp == "wrong")
        setText(*window_, "coreDiameter", "x");
    QTRY_VERIFY_WITH_TIMEOUT(!window_->solving(), kSettleMs);
    const QString before = window_->inputs()->box(Entry::ShieldDiameter)->text();
    setText(*window_, "targetZdiff", zDiff);
    setText(*window_, "targetZcm", zCm);
    choose(*window_, "solveFor", solveFor);
    window_->findChild<QPushButton*>(QStringLiteral("solveButton"))->click();
    const auto* status = window_->findChild<QLabel*>(QStringLiteral("designStatus"));
    QVERIFY2(status->text().contains(says), qPrintable(status->text()));
    QVERIFY(!window_->solving());
    QCOMPARE(window_->inputs()->box(Entry::ShieldDiameter)->text(), before);
}

// A target out of reach says the range the dimension gives, as the solver
// found it, and changes nothing.
void TestDesigner::designOutOfReach()
{
    setChecked(*window_, "shieldTouch", false);
    QTRY_VERIFY_WITH_TIMEOUT(settled(*window_), kSettleMs);
    const PairDesign start = window_->currentCase()->design;
    setText(*window_, "targetZdiff", "20");
    choose(*window_, "solveFor", "D");
    window_->findChild<QPushButton*>(QStringLiteral("solveButton"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(!window_->solving(), kSettleMs);
    InsulatedSolver solver;
    const TargetValue target{DesignTarget::Zdiff, 20};
    const DesignDimension free = DesignDimension::ShieldDiameter;
    const DesignResult found = solveDesign(solver, start, {&free, 1}, {&target, 1});
    QVERIFY(!found.error.empty());
    const auto* status = window_->findChild<QLabel*>(QStringLiteral("designStatus"));
    const QString range = QString::fromStdString(formatFixed(found.reachableLow, 3)) + " 〜 " +
                          QString::fromStdString(formatFixed(found.reachableHigh, 3)) + " Ω";
    QVERIFY2(status->text().contains("Zdiff = 20.000 Ω には届きません") && status->text().contains(range),
             qPrintable(status->text()));
    QCOMPARE(window_->currentCase()->design.shieldDiameter, start.shieldDiameter);
}

QLineSeries* seriesNamed(QChartView& view, const QString& name)
{
    for (QAbstractSeries* series : view.chart()->series())
        if (series->name() == name)
            return qobject_cast<QLineSeries*>(series);
    return nullptr;
}

void TestDesigner::csvAsTheCommandLine_data()
{
    QTest::addColumn<int>("setUp");
    QTest::addColumn<QString>("arguments");
    // The same case as duvane-calc's options state it.
    QTest::newRow("the window's start")
        << 0
        << "impedance --d 0.5 --sleeve 1.3 --S touch --D touch --er-sleeve 2.26 --er-fill 1 --tand-sleeve 0.0002 "
           "--tand-fill 0 --freq 1GHz --sigma 5.8e7";
    QTest::newRow("apart, PTFE, AWG, 10 GHz")
        << 1
        << "impedance --awg 28 --sleeve 0.9 --S 1.0 --D 2.2 --er-sleeve ptfe --er-fill 1 --tand-sleeve 2e-4 "
           "--tand-fill 0 --freq 10GHz --sigma 5.8e7";
    QTest::newRow("foil with a drain wire")
        << 2
        << "impedance --d 0.4 --sleeve 1.0 --S touch --shield foil --clearance 0.05 --drain 0.3 --er-sleeve 1.55 "
           "--er-fill 1 --tand-sleeve 1e-4 --tand-fill 0 --freq 5GHz --sigma 4.1e7";
}

void TestDesigner::csvAsTheCommandLine()
{
    QFETCH(int, setUp);
    QFETCH(QString, arguments);
    if (setUp == 1) {
        choose(*window_, "coreAwg", "AWG 28");
        setText(*window_, "sleeveDiameter", "0.9");
        setChecked(*window_, "spacingTouch", false);
        setChecked(*window_, "shieldTouch", false);
        setText(*window_, "spacing", "1.0");
        setText(*window_, "shieldDiameter", "2.2");
        choose(*window_, "sleeveMaterial", materialName("ptfe"));
        setText(*window_, "frequency", "10GHz");
    } else if (setUp == 2) {
        setText(*window_, "coreDiameter", "0.4");
        setText(*window_, "sleeveDiameter", "1.0");
        choose(*window_, "shieldKind", "フォイル (被覆に沿う)");
        setText(*window_, "clearance", "0.05");
        setText(*window_, "drainDiameter", "0.3");
        choose(*window_, "sleeveMaterial", materialName("foam-pe"));
        setText(*window_, "frequency", "5GHz");
        setText(*window_, "conductivity", "4.1e7");
    }
    QTRY_VERIFY_WITH_TIMEOUT(settled(*window_), kSettleMs);
    QSignalSpy copied(window_.get(), &DesignWindow::copied);
    window_->findChild<QPushButton*>(QStringLiteral("copyCsvButton"))->click();
    QVERIFY(copied.wait(kSettleMs));

    std::vector<std::string> args;
    for (const QString& word : (arguments + " --csv").split(' '))
        args.push_back(word.toStdString());
    std::istringstream in;
    std::ostringstream out, err;
    QCOMPARE(runCli(args, in, out, err), 0);
    QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(out.str()));
}

void TestDesigner::copyText()
{
    QSignalSpy copied(window_.get(), &DesignWindow::copied);
    window_->findChild<QPushButton*>(QStringLiteral("copyTextButton"))->click();
    QCOMPARE(copied.size(), 1);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    QVERIFY(lines.contains("導体径 d (mm)\t0.5"));
    QVERIFY(lines.contains("導体間隔 S (mm)\t1.3 (接触)"));
    QVERIFY(lines.contains("被覆の材料\tポリエチレン"));
    QVERIFY(lines.contains("シールド\t円形シールド"));
    QVERIFY(!lines.contains("ドレイン線径 (mm)\t0"));
    QVERIFY(lines.contains("Zdiff\t" + resultLabel(*window_, "resultZdiff")->text()));
    QVERIFY(lines.contains("C\t" + resultLabel(*window_, "resultCEven")->text() + "\t" +
                           resultLabel(*window_, "resultCOdd")->text()));
    // Results not yet of the inputs are not copied.
    QApplication::clipboard()->clear();
    setText(*window_, "coreDiameter", "");
    window_->findChild<QPushButton*>(QStringLiteral("copyTextButton"))->click();
    QCOMPARE(copied.size(), 1);
    QVERIFY(QApplication::clipboard()->text().isEmpty());
}

// The curve is the solver's at every point drawn, over the span either
// side of the present value; the target's band is where it was set.
void TestDesigner::impedanceChart()
{
    setChecked(*window_, "shieldTouch", false);
    setText(*window_, "shieldDiameter", "3");
    choose(*window_, "chartDimension", "D");
    setText(*window_, "targetZdiff", "110");
    auto* tolerance = window_->findChild<QDoubleSpinBox*>(QStringLiteral("chartTolerance"));
    tolerance->setValue(4);
    QTRY_VERIFY_WITH_TIMEOUT(!window_->sweeping(), kSettleMs);
    auto* view = window_->findChild<QChartView*>(QStringLiteral("impedanceChart"));
    QLineSeries* zDiff = seriesNamed(*view, "Zdiff");
    QLineSeries* zCm = seriesNamed(*view, "Zcm");
    QCOMPARE(zDiff->count(), kSweepPoints);
    QCOMPARE(zCm->count(), kSweepPoints);
    // ± 20 % about D = 3 mm, nothing below the contact (S + Di = 2.6 mm).
    QCOMPARE(zDiff->at(0).x(), 2.6);
    QVERIFY(std::fabs(zDiff->at(kSweepPoints - 1).x() - 3.6) < 1e-12);
    Expected expected = initialPair();
    expected.design.shieldTouch = false;
    for (const int i : {0, 57, kSweepPoints - 1}) {
        expected.design.shieldDiameter = zDiff->at(i).x() * 1e-3;
        const Solved s = solveDirectly(expected);
        QVERIFY(std::fabs(zDiff->at(i).y() / s.modes.zDiff - 1) < 1e-12);
        QVERIFY(std::fabs(zCm->at(i).y() / s.modes.zCommon - 1) < 1e-12);
    }
    QLineSeries* target = seriesNamed(*view, "目標");
    QCOMPARE(target->at(0).y(), 110.0);
    auto* band = qobject_cast<QAreaSeries*>(view->chart()->series().at(0));
    QCOMPARE(band->upperSeries()->at(0).y(), 114.0);
    QCOMPARE(band->lowerSeries()->at(0).y(), 106.0);
}

void TestDesigner::chartOfAFixedDimension()
{
    choose(*window_, "chartDimension", "S");
    auto* view = window_->findChild<QChartView*>(QStringLiteral("impedanceChart"));
    QVERIFY2(view->chart()->title().contains("S の「接触」を外して"), qPrintable(view->chart()->title()));
    QTRY_VERIFY_WITH_TIMEOUT(!window_->sweeping(), kSettleMs);
    QCOMPARE(seriesNamed(*view, "Zdiff")->count(), 0);
}

void TestDesigner::lossChart()
{
    auto* view = window_->findChild<QChartView*>(QStringLiteral("lossChart"));
    QLineSeries* diff = seriesNamed(*view, "差動");
    QLineSeries* common = seriesNamed(*view, "同相");
    QVERIFY(diff->count() > 50);
    QCOMPARE(diff->at(diff->count() - 1).x(), 20e3);  // MHz
    const Expected e = initialPair();
    InsulatedSolver solver;
    const CrossSection section = crossSectionOf(e.design);
    const RlgcModel model(section, solver.solve(section), e.losses);
    for (const int i : {0, diff->count() / 2, diff->count() - 1}) {
        const PairLoss loss = pairLoss(model, diff->at(i).x() * 1e6);
        QVERIFY(std::fabs(diff->at(i).y() / loss.differential.total - 1) < 1e-12);
        QVERIFY(std::fabs(common->at(i).y() / loss.common.total - 1) < 1e-12);
    }
}

void TestDesigner::saveChart()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("chart.png");
    auto* save = window_->findChild<QPushButton*>(QStringLiteral("saveChartButton"));
    save->click();
    QCOMPARE(dialogs_.saveQueries, 1);
    QVERIFY(!QFile::exists(path));
    dialogs_.saveAnswer = path;
    save->click();
    QImage saved(path, "PNG");
    QVERIFY(!saved.isNull());
    QCOMPARE(saved.size(), window_->findChild<QChartView*>(QStringLiteral("impedanceChart"))->size() *
                               window_->devicePixelRatio());
    dialogs_.saveAnswer = folder.filePath("missing/chart.png");
    save->click();
    QVERIFY(window_->findChild<QLabel*>(QStringLiteral("designStatus"))->text().contains("保存できません"));
}

DUVANE_UI_TEST_MAIN(TestDesigner)
#include "test_designer.moc"
