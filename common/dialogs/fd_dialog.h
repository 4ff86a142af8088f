#ifndef FD_DIALOG_H
#define FD_DIALOG_H

#include "skindialog.h"

#include <QModelIndex>

class QDirModel;
class QGraphicsScene;

namespace Ui {
class fd_Dialog;
}

// The programs' file and folder chooser: a tree of the file system, a new
// folder and a new file button, and a preview of JPEG pictures.
// The caller sets path, showfile, newfile, calls setext and settitle, points
// result at an empty string and runs showdlg. *result then holds the chosen
// path, or "" on Cancel; closing by the title bar leaves it untouched.
class fd_Dialog : public SkinDialog
{
    Q_OBJECT

public:
    explicit fd_Dialog(QWidget *parent = nullptr);
    ~fd_Dialog() override;

    // The name filter "*.ext" and the places of the two new-item buttons.
    void setext(const QString &ext);
    void settitle(const QString &title);
    void showdlg(float scale, int pointsize);

    // Runs a chooser of "*.ext" files that opens at path, with the new-file
    // button when newfile is set: the chosen path, or "" for none.
    static QString choosefile(QWidget *parent, const QString &path, const QString &ext, bool newfile,
                              const QString &title, float scale, int pointsize);

    QString path;
    QString filter;
    bool showfile = true;
    bool newfile = false;
    QString *result = nullptr;

protected:
    // Keeps the tree's current item in view when its viewport changes size.
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_treeView_clicked(const QModelIndex &index);
    void on_pushButton_4_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    // f2 for OK and Cancel, zy for the two round new-item buttons.
    void initbtn() override;
    void openpath();
    void preview(const QString &file);
    bool currentisfile() const;
    QString askname(const QString &title, const QString &prompt) const;
    void message(const QString &text);
    void answer(const QString &text);

    QDirModel *model;
    QModelIndex current;
    ButtonSkin zy;
    QGraphicsScene *scene;
    Ui::fd_Dialog *ui;
};

#endif
