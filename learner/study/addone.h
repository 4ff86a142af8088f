#ifndef ADDONE_H
#define ADDONE_H

#include <QStringList>

#include "skindialog.h"

namespace Ui {
class addone;
}

// Asks for the question and the answer of a new knowledge entry. After
// "添加" the caller's list holds exactly the trimmed question and answer;
// otherwise it is left as it was.
class addone : public SkinDialog
{
    Q_OBJECT

public:
    explicit addone(QWidget *parent = nullptr);
    ~addone() override;

    void setlist(QStringList *list);
    void showdlg(float scale, int fontsize);

    // A question or answer the record can hold: not blank, on one line.
    static bool isvalid(const QString &text);

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_clicked();

private:
    Ui::addone *ui;
    QStringList *list = nullptr;
};

#endif
