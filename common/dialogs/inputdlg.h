#ifndef INPUTDLG_H
#define INPUTDLG_H

#include "skindialog.h"

namespace Ui {
class inputDlg;
}

// Asks for one line of text. The answer goes to *result: the line as typed
// on OK, "" on Cancel; closing by the title bar leaves it untouched.
class inputDlg : public SkinDialog
{
    Q_OBJECT

public:
    explicit inputDlg(QWidget *parent = nullptr);
    ~inputDlg() override;

    void showdlg(float scale, int pointsize, const QString &prompt, const QString &text);
    // Asks over parent for "ok" before something that cannot be undone, the
    // line starting with text: true only for "ok" as typed, outer blanks aside.
    // A title given replaces the program's.
    static bool confirm(QWidget *parent, const QString &prompt, float scale, int pointsize,
                        const QString &text = QString(), const QString &title = QString());

    QString *result = nullptr;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    void answer(const QString &text);

    Ui::inputDlg *ui;
};

#endif
