#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "Colours.h"
#include "Fonts.h"
#include "Info.h"
#include "UiTestSupport.h"
#include "Version.h"

namespace {

// Window, field and menu colours all differ, so a pixel tells which one it is.
QPalette distinctPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xff, 0xe0, 0xa0));
    return palette;
}

QColor namedColour(const QString& name)
{
    const QPalette palette = distinctPalette();
    if (name == "black")
        return Qt::black;
    if (name == "blue")
        return QColor(0, 0, 255);
    if (name == "navy")
        return QColor(0, 0, 128);
    if (name == "window")
        return palette.color(QPalette::Window);
    if (name == "base")
        return palette.color(QPalette::Base);
    if (name == "menu")
        return menuColour(palette);
    qFatal("unknown colour %s", qPrintable(name));
}

QImage renderCrossSection(QSize clientSize)
{
    const QPalette palette = distinctPalette();
    QImage image(clientSize, QImage::Format_RGB32);
    image.fill(palette.color(QPalette::Window));
    QPainter painter(&image);
    paintCrossSection(painter, clientSize, palette, windowFontOf(kFontSansSerif));
    return image;
}

std::unique_ptr<FixedDialog> makeWindow(const QString& objectName, QWidget* owner = nullptr)
{
    std::unique_ptr<FixedDialog> window;
    if (objectName == "FormInfo")
        window = std::make_unique<TFormInfo>(owner);
    else
        window = std::make_unique<TFormVersion>(owner);
    window->setPalette(distinctPalette());
    return window;
}

QImage grabImage(QWidget& window)
{
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestDrawings : public QObject {
    Q_OBJECT

private slots:
    void windowFrames_data();
    void windowFrames();
    void crossSectionFigures_data();
    void crossSectionFigures();
    void dimensionLinesWholeUnderTheirLabels_data();
    void dimensionLinesWholeUnderTheirLabels();
    void crossSectionWindowPaintsTheSamePictureEveryTime();
    void aboutFigures_data();
    void aboutFigures();
    void aboutTitleSurvivesPaint();
    void clickAnywhereClosesAbout_data();
    void clickAnywhereClosesAbout();
    void okAndCloseCommandHideInfo();
    void placement_data();
    void placement();
};

void TestDrawings::windowFrames_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("clientSize");
    QTest::newRow("cross-section") << "FormInfo" << "Shape Parameter of Coax Cable" << QSize(452, 383);
    QTest::newRow("about") << "FormVersion" << "about Duvane" << QSize(342, 133);
}

void TestDrawings::windowFrames()
{
    QFETCH(QString, objectName);
    QFETCH(QString, title);
    QFETCH(QSize, clientSize);
    const auto window = makeWindow(objectName);

    QCOMPARE(window->objectName(), objectName);
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->size(), clientSize);
    QCOMPARE(window->minimumSize(), clientSize);
    QCOMPARE(window->maximumSize(), clientSize);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(window->font().pixelSize(), 12);
}

void TestDrawings::crossSectionFigures_data()
{
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("colour");

    const QSize client(452, 383);
    // The shield (60,15)-(392,347): a 2-pixel outline inside the rectangle.
    QTest::newRow("shield top, outer") << client << QPoint(226, 15) << "black";
    QTest::newRow("shield top, inner") << client << QPoint(226, 16) << "black";
    QTest::newRow("above the shield") << client << QPoint(226, 14) << "window";
    QTest::newRow("inside the shield top") << client << QPoint(226, 17) << "base";
    QTest::newRow("shield left") << client << QPoint(60, 180) << "black";
    QTest::newRow("left of the shield") << client << QPoint(59, 180) << "window";
    QTest::newRow("shield right") << client << QPoint(391, 180) << "black";
    QTest::newRow("right of the shield") << client << QPoint(392, 180) << "window";
    QTest::newRow("shield bottom") << client << QPoint(226, 346) << "black";
    QTest::newRow("inside the shield bottom") << client << QPoint(226, 344) << "base";
    // The conductors (102,140)-(185,222) and (267,140)-(350,222).
    QTest::newRow("left conductor, left") << client << QPoint(102, 180) << "black";
    QTest::newRow("left conductor, right") << client << QPoint(184, 180) << "black";
    QTest::newRow("inside left conductor") << client << QPoint(120, 180) << "base";
    QTest::newRow("between the conductors") << client << QPoint(200, 180) << "base";
    QTest::newRow("right conductor, left") << client << QPoint(267, 180) << "black";
    QTest::newRow("right conductor, right") << client << QPoint(349, 180) << "black";
    QTest::newRow("right of right conductor") << client << QPoint(350, 180) << "base";
    QTest::newRow("left conductor, top") << client << QPoint(144, 140) << "black";
    QTest::newRow("left conductor, bottom") << client << QPoint(144, 221) << "black";
    // Blue lines run up to their second point, which is left out.
    QTest::newRow("centre mark, first") << client << QPoint(226, 176) << "blue";
    QTest::newRow("centre mark, last") << client << QPoint(226, 186) << "blue";
    QTest::newRow("centre mark, end left out") << client << QPoint(226, 187) << "base";
    QTest::newRow("centre line, first") << client << QPoint(55, 181) << "blue";
    QTest::newRow("centre line, last") << client << QPoint(396, 181) << "blue";
    QTest::newRow("centre line, end left out") << client << QPoint(397, 181) << "window";
    QTest::newRow("d, left extension") << client << QPoint(101, 231) << "blue";
    QTest::newRow("d, left extension end") << client << QPoint(101, 232) << "base";
    QTest::newRow("d, dimension line") << client << QPoint(150, 227) << "blue";
    QTest::newRow("S, dimension line") << client << QPoint(143, 115) << "blue";
    QTest::newRow("S, right extension") << client << QPoint(309, 110) << "blue";
    QTest::newRow("S, right extension end") << client << QPoint(309, 186) << "base";
    QTest::newRow("D, left extension") << client << QPoint(60, 376) << "blue";
    QTest::newRow("D, left extension end") << client << QPoint(60, 377) << "window";
    QTest::newRow("D, right extension") << client << QPoint(391, 376) << "blue";
    QTest::newRow("D, dimension line first") << client << QPoint(59, 372) << "blue";
    QTest::newRow("D, dimension line") << client << QPoint(390, 372) << "blue";
    QTest::newRow("D, left of dimension line") << client << QPoint(58, 372) << "window";
    // Labels stand on a background of one 24-pixel cell from their top left
    // corner, D's at (219,347).
    QTest::newRow("D background") << client << QPoint(220, 348) << "menu";
    QTest::newRow("D background, top left") << client << QPoint(219, 347) << "menu";
    QTest::newRow("D background, bottom row") << client << QPoint(219, 370) << "menu";
    QTest::newRow("below the D background") << client << QPoint(219, 371) << "window";
    QTest::newRow("left of the D background") << client << QPoint(218, 360) << "window";

    // One pixel taller: W = H = 334, cy = 182.
    const QSize taller(452, 384);
    QTest::newRow("taller: shield top") << taller << QPoint(226, 15) << "black";
    QTest::newRow("taller: shield left") << taller << QPoint(59, 181) << "black";
    QTest::newRow("taller: left of the shield") << taller << QPoint(58, 181) << "window";
    QTest::newRow("taller: shield right") << taller << QPoint(392, 181) << "black";
    QTest::newRow("taller: right of the shield") << taller << QPoint(393, 181) << "window";
    QTest::newRow("taller: shield bottom") << taller << QPoint(226, 348) << "black";
    QTest::newRow("taller: centre mark end left out") << taller << QPoint(226, 188) << "base";
    QTest::newRow("taller: centre mark last") << taller << QPoint(226, 187) << "blue";
    QTest::newRow("taller: D, dimension line first") << taller << QPoint(58, 374) << "blue";
    QTest::newRow("taller: D, left of dimension line") << taller << QPoint(57, 374) << "window";
    QTest::newRow("taller: D, dimension line last") << taller << QPoint(391, 374) << "blue";
    QTest::newRow("taller: D background") << taller << QPoint(220, 350) << "menu";
}

void TestDrawings::crossSectionFigures()
{
    QFETCH(QSize, clientSize);
    QFETCH(QPoint, point);
    QFETCH(QString, colour);

    const QImage image = renderCrossSection(clientSize);
    QCOMPARE(image.pixelColor(point), namedColour(colour));
}

void TestDrawings::dimensionLinesWholeUnderTheirLabels_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("firstX");
    QTest::addColumn<int>("lastX");

    // y = cy - H/5 and cy + H/2 + 25 at the example client size.
    QTest::newRow("S") << 115 << 143 << 308;
    QTest::newRow("D") << 372 << 59 << 390;
}

// The labels stand just above their dimension lines; no background of
// theirs may break a line.
void TestDrawings::dimensionLinesWholeUnderTheirLabels()
{
    QFETCH(int, y);
    QFETCH(int, firstX);
    QFETCH(int, lastX);

    const QImage image = renderCrossSection(QSize(452, 383));
    QStringList broken;
    for (int x = firstX; x <= lastX; ++x) {
        if (image.pixelColor(x, y) != namedColour("blue"))
            broken << QString::number(x);
    }
    QVERIFY2(broken.isEmpty(), qPrintable("broken at x = " + broken.join(' ')));
}

void TestDrawings::crossSectionWindowPaintsTheSamePictureEveryTime()
{
    TFormInfo window;
    window.setPalette(distinctPalette());
    window.show();
    const QImage first = grabImage(window);
    QCOMPARE(grabImage(window), first);
    window.Button1->click();
    window.show();
    QCOMPARE(grabImage(window), first);

    // The window draws exactly the picture for its client size, its button
    // apart.
    const QImage picture = renderCrossSection(window.size());
    QCOMPARE(first.size(), picture.size());
    const QRect button = window.Button1->geometry();
    int differing = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (!button.contains(x, y) && first.pixel(x, y) != picture.pixel(x, y))
                ++differing;
    QCOMPARE(differing, 0);
}

void TestDrawings::aboutFigures_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("colour");

    // The emblem: a zig-zag from (35,80) to (135,39) with a two-stroke head.
    QTest::newRow("emblem start") << QPoint(35, 80) << "navy";
    QTest::newRow("emblem first stroke") << QPoint(57, 65) << "navy";
    QTest::newRow("emblem upright stroke") << QPoint(80, 65) << "navy";
    QTest::newRow("emblem long stroke") << QPoint(107, 60) << "navy";
    QTest::newRow("emblem head, across") << QPoint(118, 39) << "navy";
    QTest::newRow("emblem head, down") << QPoint(132, 50) << "navy";
    QTest::newRow("under the emblem") << QPoint(80, 95) << "window";
    // The top left corners of the four texts.
    QTest::newRow("maker name") << QPoint(20, 20) << "menu";
    QTest::newRow("makers line") << QPoint(130, 90) << "menu";
    QTest::newRow("contact line") << QPoint(190, 110) << "menu";
    QTest::newRow("product and version") << QPoint(170, 20) << "menu";
    QTest::newRow("left of the makers line") << QPoint(129, 90) << "window";
    QTest::newRow("above the makers line") << QPoint(130, 89) << "window";
    // Their backgrounds are as tall as the cell heights 20, 16 and 14.
    QTest::newRow("maker name, bottom row") << QPoint(20, 39) << "menu";
    QTest::newRow("below the maker name") << QPoint(20, 40) << "window";
    QTest::newRow("makers line, bottom row") << QPoint(130, 105) << "menu";
    QTest::newRow("below the makers line") << QPoint(130, 106) << "window";
    QTest::newRow("contact line, bottom row") << QPoint(190, 123) << "menu";
    QTest::newRow("below the contact line") << QPoint(190, 124) << "window";
    // No text reaches the right edge, so none is cut off.
    QTest::newRow("right edge, top texts") << QPoint(341, 25) << "window";
    QTest::newRow("right edge, makers line") << QPoint(341, 95) << "window";
    QTest::newRow("right edge, contact line") << QPoint(341, 115) << "window";
}

void TestDrawings::aboutFigures()
{
    QFETCH(QPoint, point);
    QFETCH(QString, colour);

    const auto window = makeWindow("FormVersion");
    window->show();
    QCOMPARE(grabImage(*window).pixelColor(point), namedColour(colour));
}

void TestDrawings::aboutTitleSurvivesPaint()
{
    TFormVersion window;
    QCOMPARE(window.windowTitle(), "about " + window.GetProductName());
    QCOMPARE(window.windowTitle(), QStringLiteral("about Duvane"));
    window.show();
    grabImage(window);
    QCOMPARE(window.windowTitle(), QStringLiteral("about Duvane"));
}

void TestDrawings::clickAnywhereClosesAbout_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::newRow("top left corner") << QPoint(0, 0);
    QTest::newRow("on the emblem") << QPoint(80, 65);
    QTest::newRow("on a text") << QPoint(200, 115);
    QTest::newRow("bottom right corner") << QPoint(341, 132);
}

void TestDrawings::clickAnywhereClosesAbout()
{
    QFETCH(QPoint, point);
    const auto window = makeWindow("FormVersion");
    window->show();
    const QImage before = grabImage(*window);

    QTest::mouseClick(window.get(), Qt::RightButton, {}, point);
    QVERIFY(window->isVisible());
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, point);
    QVERIFY(!window->isVisible());

    window->show();
    QCOMPARE(grabImage(*window), before);
}

void TestDrawings::okAndCloseCommandHideInfo()
{
    QPointer<TFormInfo> window = new TFormInfo;
    window->show();
    QTest::mouseClick(window->Button1, Qt::LeftButton);
    QVERIFY(!window->isVisible());

    window->show();
    QVERIFY(window->close());
    QVERIFY(!window.isNull());
    QVERIFY(!window->isVisible());
    delete window;
}

void TestDrawings::placement_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<bool>("ownedByMainWindow");
    QTest::newRow("cross-section, owned") << "FormInfo" << true;
    QTest::newRow("cross-section, over the active window") << "FormInfo" << false;
    QTest::newRow("about, owned") << "FormVersion" << true;
    QTest::newRow("about, over the active window") << "FormVersion" << false;
}

void TestDrawings::placement()
{
    QFETCH(QString, objectName);
    QFETCH(bool, ownedByMainWindow);
    QWidget mainWindow;
    mainWindow.setGeometry(300, 200, 419, 273);
    mainWindow.show();
    QApplication::setActiveWindow(&mainWindow);
    const auto window = makeWindow(objectName, ownedByMainWindow ? &mainWindow : nullptr);

    window->show();
    // Odd differences in size leave half a pixel to round either way.
    const QPoint offCentre = window->frameGeometry().center() - mainWindow.frameGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 1,
             qPrintable(QString("off centre by %1, %2").arg(offCentre.x()).arg(offCentre.y())));

    // Reopened, it comes back where it was, not centred anew.
    const QPoint firstShownAt = window->pos();
    window->close();
    mainWindow.move(360, 250);
    QApplication::setActiveWindow(&mainWindow);
    window->show();
    QCOMPARE(window->pos(), firstShownAt);
}

DUVANE_UI_TEST_MAIN(TestDrawings)

#include "test_drawings.moc"
