#ifndef TEXTFIT_H
#define TEXTFIT_H

class QWidget;

// Point sizes that keep a widget's text inside it: the size asked for where
// the text fits, else the largest smaller size at which it does.
class TextFit
{
public:
    // Gives the widget the largest point size up to pointsize at which its
    // text fits, and remembers pointsize for refit. A label, button or
    // combo box is fitted again when its text changes.
    static void fit(QWidget *widget, int pointsize);
    // Fits again after the text or the size changed, up to the size last asked for.
    static void refit(QWidget *widget);
    // Whether the widget's text, at its current font, fits its geometry.
    // Widgets without text always fit.
    static bool fits(const QWidget *widget);
};

#endif
