// Draws every picture that the two programs embed into the resource folder
// and writes the resource file that lists them.
#include "artset.h"
#include "banner.h"
#include "buttonart.h"
#include "palette.h"
#include "panel.h"
#include "scenery.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

namespace {

struct SkinSet {
    QString normal, hover, pressed, mask;
    QSize normalSize, hoverSize, pressedSize, maskSize;
    ButtonArt skin;
};

void addSkinSet(ArtSet& art, const SkinSet& set)
{
    art.add(set.normal, set.skin.picture(ButtonArt::Normal, set.normalSize));
    art.add(set.hover, set.skin.picture(ButtonArt::Hover, set.hoverSize));
    art.add(set.pressed, set.skin.picture(ButtonArt::Pressed, set.pressedSize));
    art.add(set.mask, set.skin.mask(set.maskSize));
}

void drawButtons(ArtSet& art)
{
    using B = ButtonArt;
    const auto rounded = [](qreal x, qreal y) {
        return [x, y](const QRectF& r) { return B::rounded(r, x, y); };
    };
    const SkinSet sets[] = {
        {"f21.png", "f22.png", "f23.png", "f2m.bmp", {237, 78}, {237, 78}, {237, 77}, {240, 82},
         B(rounded(0.09, 0.28), Palette::blueFace, Palette::blueLine)},
        {"f41.png", "f42.png", "f43.png", "f4m.bmp", {269, 73}, {268, 73}, {269, 73}, {271, 77},
         B(rounded(0.08, 0.3), Palette::greenFace, Palette::greenLine)},
        {"y21.png", "y22.png", "y23.png", "y2m.bmp", {155, 67}, {155, 67}, {155, 67}, {158, 71},
         B(B::ellipse, Palette::greyFace, Palette::greyLine)},
        {"y31.png", "y32.png", "y33.png", "y3m.bmp", {237, 77}, {237, 78}, {237, 78}, {240, 81},
         B(B::ellipse, Palette::blueFace, Palette::blueLine)},
        {"px1.png", "px2.png", "px3.png", "pxm.bmp", {1051, 92}, {1051, 92}, {1051, 92}, {1049, 95},
         B([](const QRectF& r) { return B::chamfered(r, 0.012, 0.22); }, Palette::paperFace, Palette::blueLine)
             .outline(0.05, 0.5)},
        {"q1.png", "q2.png", "q3.png", "qm.bmp", {237, 77}, {237, 78}, {237, 78}, {240, 81},
         B(rounded(0.05, 0.16), Palette::greyFace, Palette::greyLine)},
        {"ljgd1.png", "ljgd2.png", "ljgd3.png", "ljgdm.bmp", {453, 123}, {453, 123}, {453, 123}, {457, 124},
         B(B::arrowTag, Palette::amberFace, Palette::amberLine)},
        {"zy1.png", "zy2.png", "zy3.png", "zym.bmp", {182, 182}, {182, 182}, {182, 182}, {185, 185},
         B(B::ellipse, Palette::greenFace, Palette::greenLine).outline(0.045)},
        {"key1.png", "key2.png", "key3.png", "keym.bmp", {123, 123}, {123, 123}, {123, 123}, {108, 108},
         B(rounded(0.18, 0.18), Palette::greyFace, Palette::greyLine).outline(0.06, 0.4).lamp().keyCap()},
    };
    for (const SkinSet& set : sets)
        addSkinSet(art, set);

    // The question field shows one picture in every state.
    const ButtonArt field = ButtonArt(rounded(0.02, 0.3), Palette::paperFace, Palette::blueLine).outline(0.04);
    art.add("s.png", field.picture(ButtonArt::Field, {1647, 149}));
    art.add("sm.bmp", field.mask({2985, 243}));
}

void drawPanels(ArtSet& art)
{
    const QColor blue = Palette::blueFace;
    const QColor green = Palette::greenFace;
    const QColor amber = Palette::amberFace;
    const QColor grey = Palette::greyFace;

    Panel users({815, 191}, blue);
    users.heading(36);
    for (int slot = 0; slot < 6; ++slot)
        users.place(QRectF(20 + 130 * slot, 60, 124, 122));
    art.add("yonghu.png", users.draw({1223, 287}));
    art.add("yonghu0.png", Panel({401, 261}, blue).place({12, 52, 216, 196}).draw({602, 392}));
    art.add("jihua.png", Panel({511, 221}, blue).draw({767, 332}));
    art.add("sucai.png", Panel({611, 301}, blue).draw({917, 452}));
    // Two blocks behind the group's three facts and its eight review times.
    Panel review({611, 301}, green);
    review.place({140, 22, 370, 72}).place({140, 110, 370, 172}).stripes({146, 116, 358, 20}, 8, 20);
    art.add("fuxi.png", review.draw({917, 452}));

    art.add("mbdlg.png", Panel({361, 61}, blue).draw({727, 127}));
    art.add("fddlg.png", Panel({381, 311}, blue).heading(50).draw({766, 623}));
    art.add("inputDlg.png", Panel({411, 80}, blue).draw({827, 161}));
    art.add("newdlg.png", Panel({431, 261}, blue).draw({862, 522}));
    art.add("addonedlg.png", Panel({541, 141}, green).draw({1082, 282}));
    art.add("zhaohuidlg.png", Panel({661, 431}, grey).heading(56).draw({1322, 1102}));

    art.add("b1.png", Panel({691, 361}, blue).draw({1037, 542}));
    art.add("b2.png", Panel({811, 341}, green).draw({1217, 512}));
    art.add("b3.png", Panel({811, 341}, blue).draw({1217, 512}));
    art.add("b4.png", Panel({811, 341}, amber).draw({1217, 512}));
    art.add("b5.png", Panel({811, 341}, grey).draw({1217, 512}));
}

void drawScenery(ArtSet& art)
{
    art.add("body.jpg", Scenery::backdrop({1837, 1147}));
    art.add("zjc.png", Scenery::footStrip({1824, 62}));
    art.add("top.png", Scenery::navigationBar({1824, 82}));
    art.add("default.jpg", Scenery::avatar({400, 300}));
    art.add("one.jpg", Banner("循序渐进，学好英语词汇", "单词、课文例句、语音和重点知识，边听边学边练",
                              {"A", "b", "C"}, Palette::blueFace).draw({1424, 300}));
    art.add("two.jpg", Banner("温故知新，按时复习", "每组学过的内容按八个复习时间回顾，记得更牢",
                              {"R", "e", "v"}, Palette::greenFace).draw({1424, 300}));
}

// The spin boxes' arrows, drawn large: a style sheet shrinks them to the
// buttons. The "off" pair shows a step the value cannot take.
void drawSpinArrows(ArtSet& art)
{
    const QSize size(32, 20);
    const QPolygonF up({QPointF(1, 19), QPointF(16, 1), QPointF(31, 19)});
    const QPolygonF down({QPointF(1, 1), QPointF(16, 19), QPointF(31, 1)});
    const struct { const char* name; const QPolygonF& shape; QColor colour; } arrows[] = {
        {"spinup.png", up, Palette::ink},
        {"spindown.png", down, Palette::ink},
        {"spinupoff.png", up, Palette::withAlpha(Palette::greyLine, 110)},
        {"spindownoff.png", down, Palette::withAlpha(Palette::greyLine, 110)},
    };
    for (const auto& arrow : arrows) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(arrow.colour);
        painter.drawPolygon(arrow.shape);
        painter.end();
        art.add(arrow.name, image);
    }
}

}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <resource folder>\n");
        return 2;
    }
    ArtSet art(QString::fromLocal8Bit(argv[1]));
    drawButtons(art);
    drawPanels(art);
    drawScenery(art);
    drawSpinArrows(art);
    if (art.failed() || !art.writeIndex()) {
        std::fprintf(stderr, "artgen: writing the pictures failed\n");
        return 1;
    }
    return 0;
}
