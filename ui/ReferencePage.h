#pragma once

#include <QWidget>

namespace zandrel {

// The fourth page: the 8051 instruction reference, filtered by mnemonic.
class ReferencePage : public QWidget
{
    Q_OBJECT

public:
    explicit ReferencePage(QWidget *parent = nullptr);
};

} // namespace zandrel
