#ifndef CHINESEDEFAULTS_H
#define CHINESEDEFAULTS_H

// Dates and numbers in the Chinese form whatever the system locale, and one
// face for Chinese and Latin text (WenQuanYi Micro Hei, from the Debian
// package fonts-wqy-microhei), also where a form asks for a face the system
// does not have. Call after the application is made.
void usechinesedefaults();

#endif
