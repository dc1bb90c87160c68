// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The floor for start-up measurements: the least a Qt Widgets program does to put a window
// on screen. Built three times: bare; with one line of Chinese text in the window's Song face,
// which is what brings in fontconfig and a CJK font, as every page of Zandrel needs; and as a
// tab widget with Zandrel's five Chinese tab captions under a Chinese caption, the least that
// looks like Zandrel's window; and the same with the studio's six tab captions.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
#if defined(WITH_CHINESE_TABS) || defined(WITH_STUDIO_TABS)
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Micro Hei")});
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QTabWidget window;
    window.setFont(font);
#if defined(WITH_STUDIO_TABS)
    for (const char *caption : {"字模", "图片", "段码表", "定时器", "延时", "字模还原"})
        window.addTab(new QWidget, QString::fromUtf8(caption));
    window.setWindowTitle(QStringLiteral("汉字标签窗口 - StudioTabsWindow"));
#else
    for (const char *caption : {"二制显示", "数码管字形码生成", "汉字字模生成", "指令速查", "软件说明"})
        window.addTab(new QWidget, QString::fromUtf8(caption));
    window.setWindowTitle(QStringLiteral("汉字标签窗口 - ChineseTabsWindow"));
#endif
#elif defined(WITH_CHINESE_LABEL)
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Micro Hei")});
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QLabel window(QStringLiteral("二制显示 数码管字形码生成 汉字字模生成 指令速查 软件说明"));
    window.setFont(font);
    window.setWindowTitle(QStringLiteral("ChineseLabelWindow"));
#else
    QWidget window;
    window.setWindowTitle(QStringLiteral("MinimalWindow"));
#endif
#if defined(WITH_STUDIO_TABS)
    window.resize(960, 640);
#else
    window.resize(604, 294);
#endif
    window.show();
    return application.exec();
}
