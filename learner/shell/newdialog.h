#ifndef NEWDIALOG_H
#define NEWDIALOG_H

#include <QDialog>
#include <QStringList>

#include "buttonskin.h"

class QGraphicsScene;

namespace Ui {
class newDialog;
}

// Gathers a new user's name, password, avatar and user file. After
// "存入文件" the caller's list holds: trimmed name, password as typed,
// avatar picture path, user-file path, that file's folder. Any other size
// means no user is to be made.
class newDialog : public QDialog
{
    Q_OBJECT

public:
    explicit newDialog(QWidget *parent = nullptr);
    ~newDialog() override;

    // The list holds the start folder of the choosers; it is emptied here.
    void setlist(QStringList *list);
    void showdlg(float scale, int fontsize);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void on_pushButton_5_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    void initbtn();
    void showavatar(const QString &path);
    bool iswritable(const QString &path) const;
    void showmessage(const QString &text);

    Ui::newDialog *ui;
    QGraphicsScene *scene;
    QStringList *output = nullptr;
    QString avatar;
    QString folder;
    float scale = 1.0f;
    int fontsize = 9;
    ButtonSkin f2;
};

#endif
