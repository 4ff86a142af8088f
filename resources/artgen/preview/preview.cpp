// Lays the embedded pictures out as the programs use them on one sheet and
// saves it as a PNG to look at.
// Usage: artpreview parts|login|review|dialogs|maker <out.png> [scale]
#include "buttonskin.h"
#include "qframeex.h"
#include "qpushbuttonex.h"
#include "qstackedwidgetex.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeView>

namespace {

const QString inputStyle = "border: 1px solid #0000ff;\nbackground-color: rgba(255, 255, 0, 66);";

ButtonSkin skin(const QString& prefix)
{
    ButtonSkin s;
    s.load(":/" + prefix);
    return s;
}

class Sheet
{
public:
    Sheet(QWidget* page, qreal scale) : page(page), scale(scale) {}

    QRect at(int x, int y, int w, int h) const
    {
        return QRect(int(x * scale), int(y * scale), int(w * scale), int(h * scale));
    }

    QFrameEx* frame(const QString& picture, const QRect& r, QWidget* parent = nullptr) const
    {
        auto frame = new QFrameEx(parent ? parent : page);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Raised);
        frame->setGeometry(r);
        frame->setpixmap(QPixmap(picture));
        return frame;
    }

    QLabel* label(const QString& text, const QRect& r, QWidget* parent = nullptr,
                  const QString& colour = "black") const
    {
        auto label = new QLabel(text, parent ? parent : page);
        label->setGeometry(r);
        label->setStyleSheet("color: " + colour + "; background: transparent;");
        return label;
    }

    QLineEdit* edit(const QString& text, const QRect& r, QWidget* parent = nullptr) const
    {
        auto edit = new QLineEdit(text, parent ? parent : page);
        edit->setGeometry(r);
        edit->setStyleSheet(inputStyle);
        return edit;
    }

    QPushButtonEx* button(const ButtonSkin& skin, const QString& caption, const QRect& r,
                          QWidget* parent = nullptr) const
    {
        auto b = new QPushButtonEx(parent ? parent : page);
        b->setText(caption);
        b->setGeometry(r);
        skin.apply(b);
        return b;
    }

    // A dialog: the page backdrop over its whole area, as the dialogs paint it.
    QFrameEx* dialog(int x, int y, int w, int h) const
    {
        QFrameEx* d = frame(":/body.jpg", at(x, y, w, h));
        d->setFrameShape(QFrame::Box);
        return d;
    }

    static void hover(QPushButtonEx* b)
    {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(b, &enter);
    }

    static void press(QPushButtonEx* b)
    {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(b->rect().center()), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(b, &event);
    }

    // One button per state: normal, hover, pressed, disabled.
    void states(const ButtonSkin& skin, const QString& caption, int y, int w, int h) const
    {
        for (int state = 0; state < 4; ++state) {
            QPushButtonEx* b = button(skin, caption, at(70 + state * 118, y, w, h));
            if (state == 1)
                hover(b);
            else if (state == 2)
                press(b);
            else if (state == 3)
                b->setEnabled(false);
        }
    }

private:
    QWidget* page;
    qreal scale;
};

QSize partsSheet(const Sheet& sheet)
{
    sheet.frame(":/default.jpg", sheet.at(10, 10, 180, 135));
    QFrameEx* banner = sheet.frame(":/one.jpg", sheet.at(200, 0, 712, 150));
    sheet.button(skin("ljgd"), "了解更多", sheet.at(560, 0, 151, 41), banner);

    const struct { const char* prefix; const char* caption; int w, h; } rows[] = {
        {"f2", "登录", 75, 23}, {"f4", "添加语音知识", 100, 23}, {"y2", "新建", 36, 23},
        {"y3", "下一个", 75, 23}, {"q", "快速入门", 75, 23}, {"zy", "开始读", 44, 44},
        {"ljgd", "了解更多", 110, 30}, {"key", "Q", 32, 32},
    };
    int y = 165;
    for (const auto& row : rows) {
        sheet.label(row.prefix, sheet.at(12, y, 50, row.h));
        sheet.states(skin(row.prefix), row.caption, y, row.w, row.h);
        y += row.h + 14;
    }

    QFrameEx* panel = sheet.frame(":/sucai.png", sheet.at(560, 165, 340, 170));
    sheet.label("单词：apple   [ˈæpl]", sheet.at(20, 15, 300, 24), panel);
    sheet.label("释义：苹果", sheet.at(20, 45, 300, 24), panel);
    sheet.label("回答错误，请再试一次", sheet.at(20, 75, 300, 24), panel, "red");
    sheet.edit("appel", sheet.at(20, 110, 200, 22), panel);
    sheet.label("页面背景上的黑字和红字", sheet.at(560, 345, 200, 20));
    sheet.label("复习时间已到", sheet.at(760, 345, 140, 20), nullptr, "red");

    ButtonSkin field;
    field.load(":/s.png", ":/s.png", ":/s.png", ":/sm.bmp");
    sheet.button(field, "apple", sheet.at(10, 520, 540, 40));
    const char* answers[] = {"A. 苹果", "B. 香蕉"};
    for (int i = 0; i < 2; ++i) {
        QPushButtonEx* b = sheet.button(skin("px"), answers[i], sheet.at(10, 566 + i * 28, 540, 24));
        if (i == 1)
            Sheet::hover(b);
    }
    QFrameEx* review = sheet.frame(":/fuxi.png", sheet.at(560, 380, 340, 120));
    sheet.label("第 3 组   单词 20 个", sheet.at(20, 15, 300, 22), review);
    sheet.label("下次复习：2 天后", sheet.at(20, 45, 300, 22), review, "red");
    QFrameEx* plan = sheet.frame(":/jihua.png", sheet.at(560, 510, 340, 100));
    sheet.label("每次学习单词数", sheet.at(20, 15, 200, 22), plan);
    sheet.frame(":/zjc.png", sheet.at(0, 620, 912, 20));
    return QSize(912, 640);
}

QSize reviewSheet(const Sheet& sheet)
{
    QFrameEx* panel = sheet.frame(":/fuxi.png", sheet.at(10, 10, 611, 301));
    const char* captions[] = {"组号：", "单词数：", "初记时间：", "第一次复习时间：", "第二次复习时间：",
                              "第三次复习时间：", "第四次复习时间：", "第五次复习时间：", "第六次复习时间：",
                              "第七次复习时间：", "第八次复习时间："};
    for (int i = 0; i < 11; ++i) {
        const int y = i < 3 ? 30 + 20 * i : 120 + 20 * (i - 3);
        const int h = i < 3 ? 20 : 12;
        sheet.label(captions[i], sheet.at(159, y, 121, h), panel)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sheet.label(i == 4 ? "已过期" : "2024-03-0" + QString::number(i % 9 + 1), sheet.at(310, y, 181, h), panel,
                    i == 4 ? "red" : "black");
    }
    return QSize(631, 321);
}

QSize loginSheet(const Sheet& sheet)
{
    QFrameEx* box = sheet.frame(":/yonghu0.png", sheet.at(190, 38, 401, 261));
    sheet.frame(":/default.jpg", sheet.at(20, 60, 200, 150), box);
    sheet.label("欢迎您：", sheet.at(20, 220, 91, 20), box)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sheet.label("小明", sheet.at(120, 220, 101, 21), box);
    sheet.label("请在下面方框输密码", sheet.at(275, 80, 121, 21), box)->setAlignment(Qt::AlignCenter);
    sheet.edit("", sheet.at(273, 103, 126, 21), box);
    sheet.label("密码错误", sheet.at(275, 130, 121, 21), box, "red")->setAlignment(Qt::AlignCenter);
    Sheet::hover(sheet.button(skin("f2"), "登录", sheet.at(620, 140, 75, 23)));
    sheet.button(skin("f2"), "退出", sheet.at(770, 140, 75, 23));

    QFrameEx* users = sheet.frame(":/yonghu.png", sheet.at(50, 298, 815, 191));
    const char* links[] = {"词典", "Tevrano", "Zembrix", "微博", "快速入门"};
    for (int i = 0; i < 5; ++i)
        sheet.button(skin("q"), links[i], sheet.at(23 + i * 85, 10, 75, 23), users);
    sheet.label("提示：点击头像选择用户，输入密码后登录", sheet.at(23, 40, 500, 20), users);
    const char* captions[] = {"新建", "导入", "删除"};
    for (int slot = 0; slot < 6; ++slot) {
        const int x = 23 + 130 * slot;
        if (slot < 3)
            sheet.frame(":/default.jpg", sheet.at(x, 65, 120, 90), users);
        for (int k = 0; k < 3; ++k)
            sheet.button(skin("y2"), captions[k], sheet.at(x + 7 + 35 * k, 155, 36, 23), users);
    }
    sheet.frame(":/zjc.png", sheet.at(0, 539, 912, 31));
    return QSize(912, 570);
}

QSize dialogSheet(const Sheet& sheet)
{
    const ButtonSkin f2 = skin("f2");

    QFrameEx* message = sheet.dialog(10, 10, 383, 112);
    QLabel* text = sheet.label("请选择符合条件的文件", sheet.at(10, 10, 341, 41),
                               sheet.frame(":/mbdlg.png", sheet.at(10, 10, 361, 61), message));
    text->setAlignment(Qt::AlignCenter);
    sheet.button(f2, "确定", sheet.at(290, 80, 75, 23), message);

    QFrameEx* input = sheet.dialog(10, 140, 431, 131);
    QFrameEx* band = sheet.frame(":/inputDlg.png", sheet.at(10, 10, 411, 80), input);
    sheet.label("请输入要创建的文件夹名称", sheet.at(20, 15, 371, 20), band)->setAlignment(Qt::AlignCenter);
    sheet.edit("新建文件夹", sheet.at(20, 35, 371, 20), band)->setAlignment(Qt::AlignCenter);
    sheet.button(f2, "确定", sheet.at(220, 100, 75, 23), input);
    sheet.button(f2, "取消", sheet.at(310, 100, 75, 23), input);

    QFrameEx* add = sheet.dialog(10, 290, 562, 195);
    QFrameEx* addBand = sheet.frame(":/addonedlg.png", sheet.at(10, 10, 541, 141), add);
    sheet.label("问题", sheet.at(20, 10, 54, 20), addBand);
    sheet.edit("", sheet.at(20, 30, 511, 20), addBand);
    sheet.label("答案", sheet.at(20, 80, 54, 20), addBand);
    sheet.edit("", sheet.at(20, 100, 511, 20), addBand);
    sheet.button(f2, "添加", sheet.at(370, 160, 75, 23), add);
    sheet.button(f2, "取消", sheet.at(460, 160, 75, 23), add);

    QFrameEx* keyboard = sheet.dialog(10, 505, 486, 195);
    const ButtonSkin keys = skin("key");
    const char* row[] = {"q", "w", "e", "r", "t", "y", "u", "i", "o", "p", "[", "]"};
    for (int i = 0; i < 12; ++i)
        sheet.button(keys, row[i], sheet.at(52 + 32 * i, 65, 33, 33), keyboard);
    sheet.button(keys, "Tab", sheet.at(0, 65, 52, 33), keyboard);
    ButtonSkin lit = keys;
    lit.normal = QPixmap(":/key2.png");
    sheet.button(lit, "Shift", sheet.at(0, 130, 78, 33), keyboard);
    sheet.button(keys, "Enter", sheet.at(416, 98, 72, 33), keyboard);
    sheet.edit("appl", sheet.at(0, 0, 487, 33), keyboard)->setAlignment(Qt::AlignCenter);

    QFrameEx* chooser = sheet.dialog(600, 10, 500, 331);
    QFrameEx* tree = sheet.frame(":/fddlg.png", sheet.at(10, 10, 381, 311), chooser);
    sheet.label("请选择图片文件作为头像(*.jpg)", sheet.at(0, 20, 381, 31), tree)->setAlignment(Qt::AlignCenter);
    auto view = new QTreeView(tree);
    view->setGeometry(sheet.at(20, 60, 291, 241));
    view->setStyleSheet(inputStyle);
    sheet.button(skin("zy"), "新建\n文件夹", sheet.at(320, 60, 50, 50), tree);
    sheet.button(f2, "确定", sheet.at(410, 10, 75, 23), chooser);
    sheet.button(f2, "取消", sheet.at(410, 40, 75, 23), chooser);

    QFrameEx* user = sheet.dialog(600, 360, 451, 311);
    QFrameEx* userBand = sheet.frame(":/newdlg.png", sheet.at(10, 10, 431, 261), user);
    const char* fields[] = {"用户名", "密码", "确认密码"};
    for (int i = 0; i < 3; ++i) {
        sheet.label(fields[i], sheet.at(20, 30 + 40 * i, 60, 20), userBand);
        sheet.edit("", sheet.at(85, 30 + 40 * i, 120, 20), userBand);
    }
    sheet.frame(":/default.jpg", sheet.at(220, 30, 200, 150), userBand);
    sheet.button(f2, "选择头像", sheet.at(220, 200, 75, 23), userBand);
    sheet.button(f2, "缺省头像", sheet.at(320, 200, 75, 23), userBand);
    sheet.button(f2, "确定", sheet.at(270, 280, 75, 23), user);
    sheet.button(f2, "取消", sheet.at(360, 280, 75, 23), user);
    return QSize(1110, 710);
}

QSize makerSheet(const Sheet& sheet)
{
    QFrameEx* bar = sheet.frame(":/top.png", sheet.at(0, 150, 912, 41));
    const char* tabs[] = {"基本信息", "展示信息", "单词", "句子", "关联", "课文"};
    for (int i = 0; i < 6; ++i) {
        QPushButtonEx* b = sheet.button(skin("q"), tabs[i], sheet.at(10 + i * 85, 9, 75, 23), bar);
        if (i == 2)
            b->setEnabled(false);
    }
    sheet.button(skin("q"), "退出", sheet.at(827, 9, 75, 23), bar);
    QFrameEx* banner = sheet.frame(":/one.jpg", sheet.at(200, 0, 712, 150));
    sheet.button(skin("ljgd"), "了解更多", sheet.at(560, 0, 151, 41), banner);
    sheet.frame(":/default.jpg", sheet.at(10, 10, 180, 135));

    QFrameEx* b1 = sheet.frame(":/b1.png", sheet.at(10, 200, 445, 230));
    sheet.label("教材名称：", sheet.at(20, 10, 200, 22), b1);
    sheet.edit("初中英语 七年级", sheet.at(20, 40, 250, 22), b1);
    sheet.label("请先选择素材文件夹", sheet.at(20, 75, 300, 22), b1, "red");
    sheet.button(skin("f2"), "选图", sheet.at(20, 190, 75, 23), b1);
    sheet.button(skin("zy"), "完成", sheet.at(380, 160, 55, 55), b1);
    const char* panels[] = {":/b2.png", ":/b3.png", ":/b4.png", ":/b5.png"};
    for (int i = 0; i < 4; ++i) {
        QFrameEx* p = sheet.frame(panels[i], sheet.at(465 + (i % 2) * 222, 200 + (i / 2) * 118, 212, 108));
        sheet.label(QString("面板 b%1：黑字").arg(i + 2), sheet.at(10, 8, 190, 22), p);
        sheet.label("红字提示", sheet.at(10, 36, 190, 22), p, "red");
    }
    QFrameEx* sucai = sheet.frame(":/zhaohuidlg.png", sheet.at(10, 440, 445, 120));
    sheet.label("已忽略的单词", sheet.at(0, 8, 445, 24), sucai)->setAlignment(Qt::AlignCenter);
    return QSize(912, 570);
}

}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString name = argv[1];
    const qreal scale = argc > 3 ? QString(argv[3]).toDouble() : 1.5;
    QFont font("WenQuanYi Micro Hei");
    font.setPixelSize(int(12 * scale));
    app.setFont(font);

    QStackedWidgetEx stack;
    stack.setpixmap(QPixmap(":/body.jpg"));
    auto page = new QWidget;
    stack.addWidget(page);
    const Sheet sheet(page, scale);
    QSize size;
    if (name == "review")
        size = reviewSheet(sheet);
    else if (name == "login")
        size = loginSheet(sheet);
    else if (name == "dialogs")
        size = dialogSheet(sheet);
    else if (name == "maker")
        size = makerSheet(sheet);
    else
        size = partsSheet(sheet);
    stack.resize((QSizeF(size) * scale).toSize());
    stack.show();
    return stack.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
