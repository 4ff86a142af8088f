#ifndef MB_DIALOG_H
#define MB_DIALOG_H

#include "skindialog.h"

namespace Ui {
class mb_Dialog;
}

// The programs' message box: one word-wrapped plain text and an OK button.
// A text too long for the frame makes the box taller, so that all of it shows.
class mb_Dialog : public SkinDialog
{
    Q_OBJECT

public:
    explicit mb_Dialog(QWidget *parent = nullptr);
    ~mb_Dialog() override;

    void settext(const QString &text);
    // Fits the box to the caller's scale and point size and runs it modally.
    void showdlg(float scale, int pointsize);
    // Runs a box with text over parent.
    static void showtext(QWidget *parent, const QString &text, float scale, int pointsize);

private slots:
    void on_pushButton_clicked();

private:
    void fittext();

    Ui::mb_Dialog *ui;
};

#endif
