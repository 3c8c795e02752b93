// SPDX-License-Identifier: GPL-3.0-or-later
#include "take_away.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <algorithm>

#include "main_window.hpp"
#include "picture_export.hpp"
#include "save_fault.hpp"
#include "scene_picture.hpp"
#include "value_field.hpp"
#include "values_table.hpp"

namespace korvath::ui {

namespace {

// The sizes "Save picture…" offers, as scales of the picture on a 96 dpi screen.
constexpr int kOfferedScales[] = {1, 2, 3, 4, 6, 8};

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
    savePicture_->setShortcuts(QKeySequence::Save);
    savePicture_->setShortcutContext(Qt::WindowShortcut);
    window.addAction(savePicture_);
    picture->addAction(copyPicture_);
    picture->addAction(savePicture_);
    picture->setContextMenuPolicy(Qt::ActionsContextMenu);
    // The same commands in the menu bar, before Help, for the keyboard and
    // for screen readers.
    pictureMenu_ = new QMenu(tr(kPictureMenuCaption), &window);
    pictureMenu_->setObjectName("pictureMenu");
    pictureMenu_->menuAction()->setObjectName("pictureMenuAction");
    pictureMenu_->addAction(copyPicture_);
    pictureMenu_->addAction(savePicture_);
    window.menuBar()->insertMenu(window.helpAction(), pictureMenu_);
    connect(copyPicture_, &QAction::triggered, this, &TakeAway::copyPicture);
    connect(savePicture_, &QAction::triggered, this, &TakeAway::savePicture);

    // Every value field, as the layout has them, offers "Copy all values".
    for (const ControlSpec& item : mainWindowLayout()) {
        const auto* shown = std::get_if<ShownValue>(&item.shows);
        if (!shown) continue;
        ValueField* field = window.values().field(*shown);
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this,
                [this, field](const QPoint& at) { showValueMenu(field, at); });
    }
}

void TakeAway::showValueMenu(ValueField* field, const QPoint& at) {
    QMenu menu(field);
    QAction* copy = menu.addAction(tr("Copy"));
    copy->setEnabled(field->hasSelectedText());
    connect(copy, &QAction::triggered, this,
            [field] { QGuiApplication::clipboard()->setText(field->selectedText()); });
    menu.addAction(copyValues_);
    menu.exec(field->mapToGlobal(at));
}

void TakeAway::copyValues() {
    QGuiApplication::clipboard()->setText(
        formatValueRows(valueRows(window_.session()), TableFormat::Tsv));
}

void TakeAway::copyPicture() {
    // The image as the screen shows it, in all its device pixels; the
    // drawing at the nearest whole scale of the screen.
    ScenePicture* picture = window_.picture();
    QImage image = picture->image();
    image.setDevicePixelRatio(1);
    const int scale = std::max(1, qRound(picture->devicePixelRatioF()));
    auto* data = new QMimeData;
    data->setImageData(image);
    data->setData(QStringLiteral("image/svg+xml"),
                  pictureSvg(window_.sceneRecording(), pictureArea(window_), scale));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TakeAway::savePicture() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString png = tr("PNG image (*.png)");
    const QString svg = tr("SVG drawing (*.svg)");
    // Qt's own dialog, which has room for the size below the file type.
    QFileDialog dialog(&window_, tr("Save picture"), folder + QStringLiteral("/korvath.png"),
                       png + QStringLiteral(";;") + svg);
    dialog.setObjectName("savePictureDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* sizes = new QComboBox(&dialog);
    sizes->setObjectName("pictureScale");
    const QSize area = pictureArea(window_);
    for (int scale : kOfferedScales) {
        sizes->addItem(tr("%1× (%2 × %3 pixels)")
                           .arg(scale)
                           .arg(area.width() * scale)
                           .arg(area.height() * scale),
                       scale);
        if (scale == saveScale_) sizes->setCurrentIndex(sizes->count() - 1);
    }
    auto* sizeLabel = new QLabel(tr("Si&ze:"), &dialog);
    sizeLabel->setBuddy(sizes);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(sizeLabel, row, 0);
        grid->addWidget(sizes, row, 1);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    saveScale_ = sizes->currentData().toInt();
    QString file = dialog.selectedFiles().constFirst();
    if (QFileInfo(file).suffix().isEmpty())
        file +=
            dialog.selectedNameFilter() == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    savePictureTo(file, saveScale_);
}

bool TakeAway::savePictureTo(const QString& file, int scale) {
    const QString fault = writePicture(window_, file, scale);
    if (fault.isEmpty()) return true;
    showWriteFault(window_, tr("Save picture"), fault, "saveFault");
    return false;
}

}  // namespace korvath::ui
