#ifndef DIALOG_H
#define DIALOG_H

#include "buttonskin.h"

#include <QDialog>

class QLineEdit;
class QPushButtonEx;

namespace Ui {
class Dialog;
}

// The on-screen keyboard: 54 picture keys in the US layout under a line edit
// whose text is kept equal to the text of the caller's line edit.
class Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog(QWidget *parent = nullptr);
    ~Dialog() override;

    // Binds the keyboard to field, fits it to the window's scale and point
    // size (drawn 1.3 times larger than the other dialogs) and runs it modally.
    void showdlg(QLineEdit *field, float scale, int fontsize);

signals:
    // Enter was clicked, or Return was pressed in the keyboard's line edit.
    void enter();

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void on_lineEdit_returnPressed();
    void on_lineEdit_selectionChanged();
    void on_lineEdit_textChanged(const QString &text);

    // Character keys, row by row.
    void on_pushButton_50_clicked();
    void on_pushButton_48_clicked();
    void on_pushButton_43_clicked();
    void on_pushButton_46_clicked();
    void on_pushButton_41_clicked();
    void on_pushButton_45_clicked();
    void on_pushButton_47_clicked();
    void on_pushButton_44_clicked();
    void on_pushButton_40_clicked();
    void on_pushButton_49_clicked();
    void on_pushButton_42_clicked();
    void on_pushButton_38_clicked();
    void on_pushButton_39_clicked();
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_6_clicked();
    void on_pushButton_8_clicked();
    void on_pushButton_10_clicked();
    void on_pushButton_9_clicked();
    void on_pushButton_7_clicked();
    void on_pushButton_51_clicked();
    void on_pushButton_52_clicked();
    void on_pushButton_53_clicked();
    void on_pushButton_13_clicked();
    void on_pushButton_17_clicked();
    void on_pushButton_19_clicked();
    void on_pushButton_18_clicked();
    void on_pushButton_15_clicked();
    void on_pushButton_12_clicked();
    void on_pushButton_11_clicked();
    void on_pushButton_16_clicked();
    void on_pushButton_20_clicked();
    void on_pushButton_31_clicked();
    void on_pushButton_30_clicked();
    void on_pushButton_14_clicked();
    void on_pushButton_22_clicked();
    void on_pushButton_26_clicked();
    void on_pushButton_21_clicked();
    void on_pushButton_25_clicked();
    void on_pushButton_24_clicked();
    void on_pushButton_23_clicked();
    void on_pushButton_27_clicked();
    void on_pushButton_28_clicked();
    void on_pushButton_29_clicked();

    // Space, Back, Tab, Lock, the two Shift keys and Enter.
    void on_pushButton_32_clicked();
    void on_pushButton_35_clicked();
    void on_pushButton_54_clicked();
    void on_pushButton_33_clicked();
    void on_pushButton_34_clicked();
    void on_pushButton_36_clicked();
    void on_pushButton_37_clicked();

    // Copies the target's text into the keyboard's line edit.
    void tongbu();

private:
    // Shows the captions of the modifier state on the 47 character keys.
    void setcaption();
    // Skins the 54 keys at their final size.
    void initbtn();

    void typecaption(const QPushButtonEx *key);
    void type(const QString &text);
    // Deletes the remembered selection; false when there is none.
    bool deleteselection();
    void pressenter();
    void pressshift();
    void releaseshift();
    void lightshift(bool lit);
    void light(QPushButtonEx *key, bool lit);
    void focusline();

    Ui::Dialog *ui;
    QLineEdit *target = nullptr;
    bool shift = false;
    bool caps = false;
    int selstart = -1;
    int sellen = -1;
    // Normal, hover (also the lit Lock and Shift keys) and pressed key, and the mask.
    ButtonSkin keyskin;
};

#endif
