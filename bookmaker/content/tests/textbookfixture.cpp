#include "textbookfixture.h"

#include "bookmakerfiles.h"
#include "dialogdriver.h"
#include "fd_dialog.h"
#include "lameencoder.h"
#include "soundcheck.h"
#include "widget.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace textbookfixture {

void writesettings(const QString &material, const QString &lastfolder, const QString &lame)
{
    bookmakerfiles::writesettings({{QStringLiteral("/位置/素材"), material},
                                   {QStringLiteral("/位置/缺省"), lastfolder},
                                   {QStringLiteral("/pos/lame"), lame}});
}

QByteArray wordfile(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += QStringLiteral("word%1\n[w1d]\n词%1\n").arg(i).toUtf8();
    return bytes;
}

QByteArray sentencefile(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += QStringLiteral("Sentence %1.\n句子%1\n").arg(i).toUtf8();
    return bytes;
}

bool writefile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void answerchooser(DialogDriver &driver, const QString &path)
{
    driver.add(QStringLiteral("fd_Dialog"), [path](QDialog *dialog) {
        auto *chooser = qobject_cast<fd_Dialog *>(dialog);
        *chooser->result = path;
        chooser->close();
    });
}

void answerinput(DialogDriver &driver, const QString &text)
{
    // A prompt under another title gets no answer.
    driver.add(QStringLiteral("inputDlg"), [text](QDialog *dialog) {
        if (dialog->windowTitle() == QStringLiteral("Zembrix show: 教材工具"))
            dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(text);
        DialogDriver::clickbutton(dialog, QStringLiteral("pushButton"));
    });
}

bool run(QWidget *window, const char *button, DialogDriver &driver)
{
    auto *target = window->findChild<QPushButton *>(QLatin1String(button));
    if (!target)
        return false;
    driver.start();
    target->click();
    return driver.done();
}

// Clicks a button that opens no dialog, or only those the driver answers.
static bool click(QWidget *window, const char *button)
{
    DialogDriver none;
    return run(window, button, none);
}

bool generate(const QString &folder, int words, int sentences)
{
    const QString sources = folder + QStringLiteral("/.sources");
    if (!QDir().mkpath(sources) || !writefile(sources + "/words.txt", wordfile(words))
        || !writefile(sources + "/sentences.txt", sentencefile(sentences))
        || !soundcheck::makemp3(sources + "/tone.mp3", 0.3))
        return false;
    for (int i = 1; i <= words; ++i)
        QFile::copy(sources + "/tone.mp3", folder + QStringLiteral("/w%1.mp3").arg(i));
    for (int j = 1; j <= sentences; ++j)
        QFile::copy(sources + "/tone.mp3", folder + QStringLiteral("/s%1.mp3").arg(j));
    writesettings(folder, sources, lameencoder::standard());

    Widget window;
    window.findChild<QLineEdit *>(QStringLiteral("lineEdit_jiaocaimingcheng"))->setText(QStringLiteral("Fixture book"));
    bool done = click(&window, "pushButton_shengchengxiangmu") && click(&window, "pushButton_23");
    DialogDriver importwords;
    answerchooser(importwords, sources + "/words.txt");
    done = done && run(&window, "pushButton_37", importwords) && click(&window, "pushButton_22");
    DialogDriver importsentences;
    answerchooser(importsentences, sources + "/sentences.txt");
    done = done && run(&window, "pushButton_151", importsentences) && click(&window, "pushButton_3");
    window.findChild<QListWidget *>(QStringLiteral("listWidget_danci_juzi"))->setCurrentRow(0);
    done = done && click(&window, "pushButton_zidongzhiding") && click(&window, "pushButton_4");
    window.findChild<QLineEdit *>(QStringLiteral("lineEdit_kewenmingcheng"))->setText(QStringLiteral("Lesson 1"));
    done = done && click(&window, "pushButton_17");
    window.findChild<QListWidget *>(QStringLiteral("listWidget_wenzhang_wei"))->selectAll();
    done = done && click(&window, "pushButton_jiaru") && click(&window, "pushButton_xinjianorguanlian");
    DialogDriver generated;
    QString message;
    generated.readmessage(&message);
    done = done && run(&window, "pushButton_wancheng", generated);
    window.close();
    QDir(sources).removeRecursively();
    return done && QFile::exists(folder + "/book.zemBook") && QFile::exists(folder + "/rand.zemBook");
}

}
