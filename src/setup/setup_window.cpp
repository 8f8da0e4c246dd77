#include "setup/setup_window.h"

#include "app/busy_cursor.h"
#include "player/playback_controller.h"
#include "player/presentation.h"
#include "setup/browse_widgets.h"
#include "setup/file_source.h"
#include "setup/setup_controller.h"
#include "setup/setup_layout.h"
#include "setup/slide_list_model.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <cmath>

namespace vantaloop {

namespace {

template <typename T> T *named(QWidget *parent, const char *name)
{
    auto *widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption)
{
    auto *widget = named<QLabel>(parent, name);
    widget->setText(caption);
    return widget;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption)
{
    auto *box = named<QGroupBox>(parent, name);
    box->setTitle(caption);
    QFont font = box->font();
    font.setBold(true);
    font.setPointSizeF(12);
    box->setFont(font);
    return box;
}

} // namespace

SetupWindow::SetupWindow(SlideListModel *list, QItemSelectionModel *selection,
                         PlaybackController *playback, SetupController *setup, FileSource *source,
                         QWidget *parent)
    : QWidget(parent)
    , m_list(list)
    , m_selection(selection)
    , m_playback(playback)
    , m_setup(setup)
    , m_source(source)
{
    setObjectName(QStringLiteral("frmPrepare"));
    setWindowTitle(tr("Vanta Loop Setup"));
    createControls();
    bindControllers();
}

void SetupWindow::createControls()
{
    fraSource = frame(this, "fraSource", tr("Files Selection"));
    fraSelect = frame(this, "fraSelect", tr("Files Selected"));
    fraPos = frame(this, "fraPos", tr("View Position"));

    for (int i = 0; i < FileSource::TypeCount; ++i) {
        auto *box = named<QCheckBox>(fraSource, "chkType");
        box->setText(FileSource::typeCaption(i));
        box->setChecked(m_source->typeChecks()[size_t(i)]);
        box->setProperty("index", i);
        chkType[size_t(i)] = box;
    }
    drvPrep = new DriveList(fraSource);
    drvPrep->setObjectName(QStringLiteral("drvPrep"));
    refreshDrives();
    dirPrep = new FolderListView(m_source->folders(), fraSource);
    dirPrep->setObjectName(QStringLiteral("dirPrep"));
    dirPrep->setCurrentIndex(m_source->folders()->index(m_source->folders()->currentRow()));
    filPrep = new FileListView(m_source->files(), fraSource);
    filPrep->setObjectName(QStringLiteral("filPrep"));
    chkRecursive = named<QCheckBox>(fraSource, "chkRecursive");
    chkRecursive->setText(tr("Recursive"));

    lstBox = named<QListView>(fraSelect, "lstBox");
    lstBox->setModel(m_list);
    lstBox->setSelectionModel(m_selection);
    lstBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstBox->setUniformItemSizes(true);
    lstBox->setAccessibleName(fraSelect->title());

    cmdAdd = named<QPushButton>(this, "cmdAdd");
    cmdAdd->setText(tr("Add"));
    cmdRemove = named<QPushButton>(this, "cmdRemove");
    cmdRemove->setText(tr("Remove"));
    cmdClear = named<QPushButton>(this, "cmdClear");
    cmdClear->setText(tr("Clear"));

    lblNum = label(this, "lblNum", tr("Total Files"));
    txtNum = named<QLineEdit>(this, "txtNum");
    txtNum->setText(QStringLiteral("0"));
    txtNum->setEnabled(false);
    lblNum->setBuddy(txtNum);
    lblIndex = label(this, "lblIndex", tr("File Index"));
    txtIndex = named<QLineEdit>(this, "txtIndex");
    txtIndex->setMaxLength(4);
    lblIndex->setBuddy(txtIndex);
    lblTimer = label(this, "lblTimer", tr("Time (sec)"));
    txtTimer = named<QLineEdit>(this, "txtTimer");
    txtTimer->setMaxLength(2);
    txtTimer->setText(m_playback->timerText());
    lblTimer->setBuddy(txtTimer);
    sldBar = named<QSlider>(this, "sldBar");
    sldBar->setOrientation(Qt::Horizontal);
    sldBar->setRange(PlaybackController::MinSeconds, PlaybackController::SliderMax);
    sldBar->setValue(m_playback->sliderValue());
    sldBar->setTickPosition(QSlider::TicksBelow);
    sldBar->setAccessibleName(lblTimer->text());
    lblName = label(this, "lblName", tr("File Name:"));
    lblFile = label(this, "lblFile", m_playback->fileLabel());
    lblFile->setAccessibleName(tr("File Name"));

    static const char *const positions[] = {"Upper Left", "Upper Right", "Center", "Bottom Left",
                                            "Bottom Right"};
    for (int i = 0; i < 5; ++i) {
        auto *button = named<QRadioButton>(fraPos, "optPos");
        button->setText(tr(positions[i]));
        button->setProperty("index", i);
        optPos[size_t(i)] = button;
    }
    optPos[presentation::Center]->setChecked(true);

    // The frames' bold captions stay on the frames: their controls use the window's
    // font, set explicitly so it is not inherited from the frame.
    QFont plain = font();
    plain.setBold(false);
    plain.setPointSizeF(font().pointSizeF());
    for (QGroupBox *box : {fraSource, fraSelect, fraPos}) {
        for (QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            child->setFont(plain);
    }

    m_popup = named<QMenu>(this, "mnuPopup");
    m_popup->setTitle(tr("Popup"));
    static const char *const placements[] = {"&Top Left", "Top &Right", "&Bottom Right",
                                             "Bottm &Left"};
    for (int i = 0; i < 4; ++i)
        m_popup->addAction(tr(placements[i]))->setData(i);
    m_popup->addSeparator()->setData(4);
    m_popup->addAction(tr("St&art Record"))->setData(5);
    m_popup->addAction(tr("St&op Record"))->setData(6);

    for (size_t i = 1; i < chkType.size(); ++i)
        QWidget::setTabOrder(chkType[i - 1], chkType[i]);
    QWidget::setTabOrder(chkType[4], drvPrep);
    QWidget::setTabOrder(drvPrep, dirPrep);
    QWidget::setTabOrder(dirPrep, filPrep);
    QWidget::setTabOrder(filPrep, chkRecursive);
    QWidget::setTabOrder(chkRecursive, cmdAdd);
    QWidget::setTabOrder(cmdAdd, lstBox);
    QWidget::setTabOrder(lstBox, cmdRemove);
    QWidget::setTabOrder(cmdRemove, txtTimer);
    QWidget::setTabOrder(txtTimer, sldBar);
    QWidget::setTabOrder(sldBar, optPos[0]);
    for (size_t i = 1; i < optPos.size(); ++i)
        QWidget::setTabOrder(optPos[i - 1], optPos[i]);
    QWidget::setTabOrder(optPos[4], cmdClear);
    QWidget::setTabOrder(cmdClear, txtIndex);
}

void SetupWindow::bindControllers()
{
    connect(m_list, &SlideListModel::countChanged, txtNum,
            [this](int count) { txtNum->setText(QString::number(count)); });

    connect(txtIndex, &QLineEdit::textEdited, m_playback, &PlaybackController::setIndexText);
    connect(txtIndex, &QLineEdit::returnPressed, m_playback, &PlaybackController::goToSlide);
    connect(m_playback, &PlaybackController::indexTextChanged, txtIndex, &QLineEdit::setText);
    connect(txtTimer, &QLineEdit::textEdited, m_playback, &PlaybackController::setTimerText);
    connect(txtTimer, &QLineEdit::returnPressed, m_playback, &PlaybackController::applyDisplayTime);
    connect(m_playback, &PlaybackController::timerTextChanged, txtTimer, &QLineEdit::setText);
    txtIndex->installEventFilter(this);
    txtTimer->installEventFilter(this);

    // Only the user's moves of the slider set the time; the controller's do not.
    connect(sldBar, &QSlider::valueChanged, m_playback, &PlaybackController::takeTimeFromSlider);
    connect(m_playback, &PlaybackController::sliderValueChanged, sldBar, [this](int value) {
        const QSignalBlocker blocker(sldBar);
        sldBar->setValue(value);
    });
    connect(m_playback, &PlaybackController::fileLabelChanged, lblFile, &QLabel::setText);

    connect(lstBox, &QListView::doubleClicked, m_setup,
            [this] { m_setup->makeEntryCurrent(m_selection->currentIndex().row()); });
    for (QCheckBox *box : chkType) {
        connect(box, &QCheckBox::clicked, m_source, [this, box](bool checked) {
            m_source->setTypeChecked(box->property("index").toInt(), checked);
        });
    }
    connect(drvPrep, &DriveList::driveChosen, m_source, &FileSource::chooseDrive);
    connect(drvPrep, &DriveList::aboutToPopUp, this, &SetupWindow::refreshDrives);
    connect(m_source, &FileSource::currentDriveChanged, drvPrep, &DriveList::showDrive);
    connect(dirPrep, &FolderListView::folderActivated, m_source, &FileSource::openFolder);
    connect(chkRecursive, &QCheckBox::clicked, filPrep, [this](bool checked) {
        if (checked)
            filPrep->selectAll();
    });
    connect(cmdAdd, &QPushButton::clicked, this, &SetupWindow::addFiles);
    connect(cmdRemove, &QPushButton::clicked, m_setup, &SetupController::removeSelected);
    connect(cmdClear, &QPushButton::clicked, m_setup, &SetupController::clearList);

    for (QRadioButton *button : optPos) {
        connect(button, &QRadioButton::toggled, this, [this, button](bool checked) {
            if (checked)
                emit positionChosen(button->property("index").toInt());
        });
    }
    connect(m_popup, &QMenu::triggered, this, [this](QAction *item) {
        const int index = item->data().toInt();
        if (index == 5)
            emit recordingStartRequested();
        else if (index == 6)
            emit recordingStopRequested();
        else
            emit toolbarPlacementChosen(index);
    });
}

void SetupWindow::refreshDrives()
{
    drvPrep->setDrives(m_source->drives());
    drvPrep->showDrive(m_source->currentDrive());
}

void SetupWindow::addFiles()
{
    FileSource::Gathered gathered;
    {
        const BusyCursor busy;
        gathered = m_source->gather(chkRecursive->isChecked(), filPrep->selectedRows());
    }
    m_setup->addFiles(gathered.paths, gathered.skipped);
    filPrep->clearSelection();
    chkRecursive->setChecked(false);
}

int SetupWindow::positionCode() const
{
    for (size_t i = 0; i < optPos.size(); ++i) {
        if (optPos[i]->isChecked())
            return int(i);
    }
    return -1;
}

bool SetupWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving a number box commits it, as Enter does.
    if (event->type() == QEvent::FocusOut) {
        if (watched == txtIndex)
            m_playback->goToSlide();
        else if (watched == txtTimer)
            m_playback->applyDisplayTime();
    }
    return QWidget::eventFilter(watched, event);
}

void SetupWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_laidOut) {
        m_laidOut = true;
        layOutControls();
    }
}

void SetupWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit hideRequested();
}

void SetupWindow::layOutControls()
{
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const auto twipsX = [dpiX](double px) {
        return px * 1440.0 / dpiX;
    };
    const auto twipsY = [dpiY](double px) {
        return px * 1440.0 / dpiY;
    };
    const auto ownSize = [&](const QLabel *l) {
        const QSize hint = l->sizeHint();
        return QSizeF(twipsX(hint.width()), twipsY(hint.height()));
    };
    const QFontMetricsF metrics(font());
    SetupLayoutInput in;
    in.width = twipsX(width());
    in.height = twipsY(height());
    in.th = twipsY(metrics.height());
    in.tw = twipsX(metrics.horizontalAdvance(QLatin1Char('W')));
    in.lblName = ownSize(lblName);
    in.lblNum = ownSize(lblNum);
    in.lblIndex = ownSize(lblIndex);
    in.lblTimer = ownSize(lblTimer);
    const SetupLayout l = layoutSetupWindow(in);

    // Too small a window would give negative sizes: such controls collapse instead.
    const auto place = [dpiX, dpiY](QWidget *w, const QRectF &r) {
        const int x = int(std::lround(r.left() * dpiX / 1440.0));
        const int y = int(std::lround(r.top() * dpiY / 1440.0));
        const int width = std::max(0, int(std::lround(r.width() * dpiX / 1440.0)));
        const int height = std::max(0, int(std::lround(r.height() * dpiY / 1440.0)));
        w->setGeometry(x, y, width, height);
    };
    place(fraSource, l.fraSource);
    for (size_t i = 0; i < chkType.size(); ++i)
        place(chkType[i], l.chkType[i]);
    place(drvPrep, l.drvPrep);
    place(dirPrep, l.dirPrep);
    place(filPrep, l.filPrep);
    place(chkRecursive, l.chkRecursive);
    place(fraSelect, l.fraSelect);
    place(lstBox, l.lstBox);
    place(lblFile, l.lblFile);
    place(cmdAdd, l.cmdAdd);
    place(cmdRemove, l.cmdRemove);
    place(cmdClear, l.cmdClear);
    place(lblNum, l.lblNum);
    place(txtNum, l.txtNum);
    place(lblIndex, l.lblIndex);
    place(txtIndex, l.txtIndex);
    place(lblTimer, l.lblTimer);
    place(txtTimer, l.txtTimer);
    place(sldBar, l.sldBar);
    place(lblName, l.lblName);
    place(fraPos, l.fraPos);
    for (size_t i = 0; i < optPos.size(); ++i)
        place(optPos[i], l.optPos[i]);
}

} // namespace vantaloop
