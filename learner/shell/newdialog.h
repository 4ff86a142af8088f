#ifndef NEWDIALOG_H
#define NEWDIALOG_H

#include <QStringList>

#include "skindialog.h"

class QGraphicsScene;

namespace Ui {
class newDialog;
}

// Gathers a new user's name, password, avatar and user file. After
// "存入文件" the caller's list holds: trimmed name, password as typed,
// avatar picture path, user-file path, that file's folder. Any other size
// means no user is to be made.
class newDialog : public SkinDialog
{
    Q_OBJECT

public:
    explicit newDialog(QWidget *parent = nullptr);
    ~newDialog() override;

    // The list holds the start folder of the choosers; it is emptied here.
    void setlist(QStringList *list);
    void showdlg(float scale, int fontsize);

private slots:
    void on_pushButton_5_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    void showavatar(const QString &path);
    bool iswritable(const QString &path) const;
    void showmessage(const QString &text);

    Ui::newDialog *ui;
    QGraphicsScene *scene;
    QStringList *output = nullptr;
    QString avatar;
    QString folder;
};

#endif
