#pragma once

#include <QWidget>

namespace zandrel {

class TMainForm;

// The second page: a clickable seven-segment digit and its segment code.
class SegmentPage : public QWidget
{
    Q_OBJECT

public:
    SegmentPage(TMainForm &form, QWidget *parent = nullptr);

    // Draws every segment unlit; the lit states are left as they are.
    void DrawDigit();

private:
    TMainForm &form_;
};

} // namespace zandrel
