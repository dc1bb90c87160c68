#pragma once

#include <QWidget>

namespace zandrel {

// The third page: a GB2312 character's 16 x 16 dot matrix, previewed and written as code.
class GlyphPage : public QWidget
{
    Q_OBJECT

public:
    explicit GlyphPage(QWidget *parent = nullptr);

    void GetHzBtnClick();
};

} // namespace zandrel
