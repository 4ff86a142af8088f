#ifndef ZHAOHUIDIALOG_H
#define ZHAOHUIDIALOG_H

#include "skindialog.h"

class MUser;
class QListWidget;

namespace Ui {
class zhaohuiDialog;
}

// Lists the ignored phonetic knowledge, words and key knowledge of a user
// (difficulty 0) and restores the chosen ones to difficulty 10 in the
// user's record.
class zhaohuiDialog : public SkinDialog
{
    Q_OBJECT

public:
    explicit zhaohuiDialog(QWidget *parent = nullptr);
    ~zhaohuiDialog() override;

    // Keeps the record and fills the three lists from it.
    void setuser(MUser *user);
    void showdlg(float scale, int fontsize);

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_clicked();

private:
    enum Kind { Phonetic, Word, Key };

    void restore(Kind kind, QListWidget *list, const QString &message);

    Ui::zhaohuiDialog *ui;
    MUser *user = nullptr;
};

#endif
