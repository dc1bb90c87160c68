// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/PreviewAccessible.h"

#include "studio/GlyphStrip.h"
#include "studio/PictureCompare.h"
#include "studio/ScanOrderView.h"
#include "studio/SegmentDigits.h"

#include <QAccessibleWidget>

namespace zandrel::studio {
namespace {

QAccessibleInterface *previewInterface(const QString &, QObject *object)
{
    if (qobject_cast<GlyphStrip *>(object) || qobject_cast<PictureCompare *>(object) ||
        qobject_cast<ScanOrderView *>(object) || qobject_cast<SegmentDigits *>(object))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installPreviewAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(previewInterface);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace zandrel::studio
