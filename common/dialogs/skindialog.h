#ifndef SKINDIALOG_H
#define SKINDIALOG_H

#include "buttonskin.h"

#include <QDialog>

class QFrameEx;

// What the skinned dialogs of both programs share: the picture buttons in
// the f2 skin, the background, and the run of showdlg: fitted to the
// caller's scale and point size, skinned, fixed in size, the title picture
// on the form's band, then modal. The form is set up by each dialog, then
// DialogFrame::prepare.
class SkinDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SkinDialog(QWidget *parent = nullptr);
    ~SkinDialog() override;

protected:
    // Keeps the caller's scale and point size and fits the dialog to them.
    void fitdlg(float scale, int fontsize);
    // Skins the buttons, fixes the size, puts the title picture on the band
    // and runs the dialog modally.
    void rundlg(QFrameEx *band, const QString &title);
    // Every picture button in the f2 skin.
    virtual void initbtn();
    void paintEvent(QPaintEvent *event) override;

    float scale = 1.0f;
    int fontsize = 9;
    ButtonSkin f2;
};

#endif
