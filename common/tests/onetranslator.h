#ifndef ONETRANSLATOR_H
#define ONETRANSLATOR_H

#include <QTranslator>

// Answers every lookup of one source text in the "Widget" form's context,
// installed in the application while it lives.
class OneTranslator : public QTranslator
{
public:
    OneTranslator(const QString &source, const QString &translation);
    ~OneTranslator() override;
    bool isEmpty() const override;
    QString translate(const char *context, const char *text, const char *disambiguation,
                      int n) const override;

private:
    QString source;
    QString translation;
};

#endif
