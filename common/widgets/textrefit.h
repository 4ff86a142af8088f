#ifndef TEXTREFIT_H
#define TEXTREFIT_H

#include <QObject>

class QWidget;

// Fits a label, button or combo box again, before it is drawn, when its
// text (a combo box's items) changed since its last fit: texts the programs
// set after fitting the window.
class TextRefit : public QObject
{
    Q_OBJECT

public:
    // Remembers the widget's text (a combo box's items) as fitted and
    // watches it; labels, buttons and combo boxes only, each once however
    // often this is called.
    static void watch(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    // A combo box's model changed its items: counts the change on the model.
    void itemschanged();

private:
    using QObject::QObject;
};

#endif
