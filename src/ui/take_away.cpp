// SPDX-License-Identifier: GPL-3.0-or-later
#include "take_away.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>

#include "main_window.hpp"
#include "picture_export.hpp"
#include "scene_picture.hpp"
#include "value_field.hpp"
#include "values_table.hpp"

namespace korvath::ui {

namespace {

// The value fields and the captions of the value column, where the context
// menu offers "Copy all values".
QList<QWidget*> valueColumn(const MainWindowControls& c) {
    return {c.radiusValue,
            c.massValue,
            c.densityValue,
            c.schwarzschildRadiusValue,
            c.curvatureAt1RadiusValue,
            c.radiusOfCurvatureAt1RadiusValue,
            c.curvatureAt1_5RadiiValue,
            c.radiusOfCurvatureAt1_5RadiiValue,
            c.curvatureAt2RadiiValue,
            c.radiusOfCurvatureAt2RadiiValue,
            c.curvatureAt2_5RadiiValue,
            c.radiusOfCurvatureAt2_5RadiiValue,
            c.radiusCoarseValue,
            c.radiusFineValue,
            c.massCoarseValue,
            c.massFineValue,
            c.beamStartValue};
}

}  // namespace

TakeAway::TakeAway(MainWindow& window)
    : QObject(&window),
      window_(window),
      copyValues_(new QAction(tr("Copy all values"), &window)),
      copyPicture_(new QAction(tr("Copy picture"), &window)),
      savePicture_(new QAction(tr("Save picture…"), &window)) {
    copyValues_->setObjectName("copyValuesAction");
    copyValues_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyValues_->setShortcutContext(Qt::WindowShortcut);
    window.addAction(copyValues_);
    connect(copyValues_, &QAction::triggered, this, &TakeAway::copyValues);

    ScenePicture* picture = window.picture();
    copyPicture_->setObjectName("copyPictureAction");
    copyPicture_->setShortcut(QKeySequence::Copy);
    copyPicture_->setShortcutContext(Qt::WidgetShortcut);
    savePicture_->setObjectName("savePictureAction");
    picture->addAction(copyPicture_);
    picture->addAction(savePicture_);
    picture->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copyPicture_, &QAction::triggered, this, &TakeAway::copyPicture);
    connect(savePicture_, &QAction::triggered, this, &TakeAway::savePicture);

    for (QWidget* field : valueColumn(window.controls())) {
        auto* label = static_cast<QLabel*>(field);
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label](const QPoint& at) { showValueMenu(label, at); });
    }
}

void TakeAway::showValueMenu(QWidget* field, const QPoint& at) {
    auto* label = static_cast<QLabel*>(field);
    QMenu menu(field);
    QAction* copy = menu.addAction(tr("Copy"));
    copy->setEnabled(label->hasSelectedText());
    connect(copy, &QAction::triggered, this,
            [label] { QGuiApplication::clipboard()->setText(label->selectedText()); });
    menu.addAction(copyValues_);
    menu.exec(field->mapToGlobal(at));
}

void TakeAway::copyValues() {
    QGuiApplication::clipboard()->setText(
        formatValueRows(valueRows(window_.session()), TableFormat::Tsv));
}

void TakeAway::copyPicture() {
    auto* data = new QMimeData;
    data->setImageData(window_.picture()->image());
    data->setData(QStringLiteral("image/svg+xml"), pictureSvg(window_));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TakeAway::savePicture() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString selectedFilter;
    const QString png = tr("PNG image (*.png)");
    const QString svg = tr("SVG drawing (*.svg)");
    QString file = QFileDialog::getSaveFileName(&window_, tr("Save picture"),
                                                folder + QStringLiteral("/korvath.png"),
                                                png + QStringLiteral(";;") + svg, &selectedFilter);
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty())
        file += selectedFilter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    savePictureTo(file);
}

bool TakeAway::savePictureTo(const QString& file) {
    const QString fault = writePicture(window_, file);
    if (fault.isEmpty()) return true;
    auto* box =
        new QMessageBox(QMessageBox::Warning, tr("Save picture"), fault, QMessageBox::Ok, &window_);
    box->setObjectName("saveFault");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->show();
    return false;
}

}  // namespace korvath::ui
