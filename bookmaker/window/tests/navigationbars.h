#ifndef NAVIGATIONBARS_H
#define NAVIGATIONBARS_H

#include <QList>
#include <QStringList>

// The window's navigation bars from left to right (project, Rozo, words,
// sentences, association, lessons), one row per page, and the page each
// position shows.
namespace navigationbars {

inline const QList<QStringList> bars = {
    {"pushButton", "pushButton_2", "pushButton_23", "pushButton_22", "pushButton_3", "pushButton_4"},
    {"pushButton_8", "pushButton_7", "pushButton_21", "pushButton_20", "pushButton_6", "pushButton_5"},
    {"pushButton_11", "pushButton_10", "pushButton_18", "pushButton_19", "pushButton_12", "pushButton_9"},
    {"pushButton_15", "pushButton_14", "pushButton_25", "pushButton_24", "pushButton_16", "pushButton_13"},
    {"pushButton_28", "pushButton_27", "pushButton_31", "pushButton_30", "pushButton_29", "pushButton_26"},
    {"pushButton_42", "pushButton_41", "pushButton_45", "pushButton_44", "pushButton_43", "pushButton_40"},
};
inline const QList<int> shows = {0, 1, 4, 5, 2, 3};

}

#endif
