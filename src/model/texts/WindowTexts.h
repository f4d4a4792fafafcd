// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

#include "ModelTexts.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The view's fixed texts and the few it composes from a count or a name, as
// QML reads them (`WindowTexts.jobPaneTitle`). The words are ModelTexts';
// this only hands them over, so QML holds no text of its own.
class WindowTexts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QString programName READ programName CONSTANT FINAL)
    Q_PROPERTY(QString aboutMenuItem READ aboutMenuItem CONSTANT FINAL)
    Q_PROPERTY(QString purposeMenuItem READ purposeMenuItem CONSTANT FINAL)
    Q_PROPERTY(QString quit READ quit CONSTANT FINAL)
    Q_PROPERTY(QString headerSubtitle READ headerSubtitle CONSTANT FINAL)
    Q_PROPERTY(QString loading READ loading CONSTANT FINAL)
    Q_PROPERTY(QString reload READ reload CONSTANT FINAL)
    Q_PROPERTY(QString okButton READ okButton CONSTANT FINAL)
    Q_PROPERTY(QString jobPaneTitle READ jobPaneTitle CONSTANT FINAL)
    Q_PROPERTY(QString jobPaneSubtitle READ jobPaneSubtitle CONSTANT FINAL)
    Q_PROPERTY(QString noMatchingJobsTitle READ noMatchingJobsTitle CONSTANT FINAL)
    Q_PROPERTY(QString noMatchingJobsHint READ noMatchingJobsHint CONSTANT FINAL)
    Q_PROPERTY(QString noWaitingJobsTitle READ noWaitingJobsTitle CONSTANT FINAL)
    Q_PROPERTY(QString noWaitingJobsHint READ noWaitingJobsHint CONSTANT FINAL)
    Q_PROPERTY(QString jobFilterName READ jobFilterName CONSTANT FINAL)
    Q_PROPERTY(QString sourceQueueChooserName READ sourceQueueChooserName CONSTANT FINAL)
    Q_PROPERTY(QString selectShownJobs READ selectShownJobs CONSTANT FINAL)
    Q_PROPERTY(QString clearSelection READ clearSelection CONSTANT FINAL)
    Q_PROPERTY(QString holdJobs READ holdJobs CONSTANT FINAL)
    Q_PROPERTY(QString releaseJobs READ releaseJobs CONSTANT FINAL)
    Q_PROPERTY(QString cancelJobs READ cancelJobs CONSTANT FINAL)
    Q_PROPERTY(QString selectJobDescription READ selectJobDescription CONSTANT FINAL)
    Q_PROPERTY(QString deselectJobDescription READ deselectJobDescription CONSTANT FINAL)
    Q_PROPERTY(QString destinationPaneTitle READ destinationPaneTitle CONSTANT FINAL)
    Q_PROPERTY(QString destinationPaneSubtitle READ destinationPaneSubtitle CONSTANT FINAL)
    Q_PROPERTY(QString noDestinationsTitle READ noDestinationsTitle CONSTANT FINAL)
    Q_PROPERTY(QString noDestinationsWithoutJobsHint READ noDestinationsWithoutJobsHint CONSTANT FINAL)
    Q_PROPERTY(QString onlySourceQueuesHint READ onlySourceQueuesHint CONSTANT FINAL)
    Q_PROPERTY(QString chooseDestination READ chooseDestination CONSTANT FINAL)
    Q_PROPERTY(QString chooseDestinationDescription READ chooseDestinationDescription CONSTANT FINAL)
    Q_PROPERTY(QString chosenDestination READ chosenDestination CONSTANT FINAL)
    Q_PROPERTY(QString transferIdleTitle READ transferIdleTitle CONSTANT FINAL)
    Q_PROPERTY(QString transferIdleHint READ transferIdleHint CONSTANT FINAL)
    Q_PROPERTY(QString sourceQueuesCaption READ sourceQueuesCaption CONSTANT FINAL)
    Q_PROPERTY(QString destinationCaption READ destinationCaption CONSTANT FINAL)
    Q_PROPERTY(QString movesTo READ movesTo CONSTANT FINAL)
    Q_PROPERTY(QString readyToMove READ readyToMove CONSTANT FINAL)
    Q_PROPERTY(QString selectionIncomplete READ selectionIncomplete CONSTANT FINAL)
    Q_PROPERTY(QString moveRequirement READ moveRequirement CONSTANT FINAL)
    Q_PROPERTY(QString moveButton READ moveButton CONSTANT FINAL)
    Q_PROPERTY(QString movingButton READ movingButton CONSTANT FINAL)
    Q_PROPERTY(QString confirmationTitle READ confirmationTitle CONSTANT FINAL)
    Q_PROPERTY(QString confirmMove READ confirmMove CONSTANT FINAL)
    Q_PROPERTY(QString cancelButton READ cancelButton CONSTANT FINAL)
    Q_PROPERTY(QString cancelConfirmationTitle READ cancelConfirmationTitle CONSTANT FINAL)
    Q_PROPERTY(QString confirmCancel READ confirmCancel CONSTANT FINAL)
    Q_PROPERTY(QString keepJobs READ keepJobs CONSTANT FINAL)
    Q_PROPERTY(QString undoMove READ undoMove CONSTANT FINAL)
    Q_PROPERTY(QString undoConfirmationTitle READ undoConfirmationTitle CONSTANT FINAL)
    Q_PROPERTY(QString confirmUndo READ confirmUndo CONSTANT FINAL)

public:
    using QObject::QObject;

    QString programName() const { return ModelTexts::programName; }
    QString aboutMenuItem() const { return ModelTexts::aboutMenuItem; }
    QString purposeMenuItem() const { return ModelTexts::purposeMenuItem; }
    QString quit() const { return ModelTexts::quit; }
    QString headerSubtitle() const { return ModelTexts::headerSubtitle; }
    QString loading() const { return ModelTexts::loading; }
    QString reload() const { return ModelTexts::reload; }
    QString okButton() const { return ModelTexts::okButton; }
    QString jobPaneTitle() const { return ModelTexts::jobPaneTitle; }
    QString jobPaneSubtitle() const { return ModelTexts::jobPaneSubtitle; }
    QString noMatchingJobsTitle() const { return ModelTexts::noMatchingJobsTitle; }
    QString noMatchingJobsHint() const { return ModelTexts::noMatchingJobsHint; }
    QString noWaitingJobsTitle() const { return ModelTexts::noWaitingJobsTitle; }
    QString noWaitingJobsHint() const { return ModelTexts::noWaitingJobsHint; }
    QString jobFilterName() const { return ModelTexts::jobFilterName; }
    QString sourceQueueChooserName() const { return ModelTexts::sourceQueueChooserName; }
    QString selectShownJobs() const { return ModelTexts::selectShownJobs; }
    QString clearSelection() const { return ModelTexts::clearSelection; }
    QString holdJobs() const { return ModelTexts::holdJobs; }
    QString releaseJobs() const { return ModelTexts::releaseJobs; }
    QString cancelJobs() const { return ModelTexts::cancelJobs; }
    QString selectJobDescription() const { return ModelTexts::selectJobDescription; }
    QString deselectJobDescription() const { return ModelTexts::deselectJobDescription; }
    QString destinationPaneTitle() const { return ModelTexts::destinationPaneTitle; }
    QString destinationPaneSubtitle() const { return ModelTexts::destinationPaneSubtitle; }
    QString noDestinationsTitle() const { return ModelTexts::noDestinationsTitle; }
    QString noDestinationsWithoutJobsHint() const { return ModelTexts::noDestinationsWithoutJobsHint; }
    QString onlySourceQueuesHint() const { return ModelTexts::onlySourceQueuesHint; }
    QString chooseDestination() const { return ModelTexts::chooseDestination; }
    QString chooseDestinationDescription() const { return ModelTexts::chooseDestinationDescription; }
    QString chosenDestination() const { return ModelTexts::chosenDestination; }
    QString transferIdleTitle() const { return ModelTexts::transferIdleTitle; }
    QString transferIdleHint() const { return ModelTexts::transferIdleHint; }
    QString sourceQueuesCaption() const { return ModelTexts::sourceQueuesCaption; }
    QString destinationCaption() const { return ModelTexts::destinationCaption; }
    QString movesTo() const { return ModelTexts::movesTo; }
    QString readyToMove() const { return ModelTexts::readyToMove; }
    QString selectionIncomplete() const { return ModelTexts::selectionIncomplete; }
    QString moveRequirement() const { return ModelTexts::moveRequirement; }
    QString moveButton() const { return ModelTexts::moveButton; }
    QString movingButton() const { return ModelTexts::movingButton; }
    QString confirmationTitle() const { return ModelTexts::confirmationTitle; }
    QString confirmMove() const { return ModelTexts::confirmMove; }
    QString cancelButton() const { return ModelTexts::cancelButton; }
    QString cancelConfirmationTitle() const { return ModelTexts::cancelConfirmationTitle; }
    QString confirmCancel() const { return ModelTexts::confirmCancel; }
    QString keepJobs() const { return ModelTexts::keepJobs; }
    QString undoMove() const { return ModelTexts::undoMove; }
    QString undoConfirmationTitle() const { return ModelTexts::undoConfirmationTitle; }
    QString confirmUndo() const { return ModelTexts::confirmUndo; }

    Q_INVOKABLE QString aboutMessage(const QString &version) const { return ModelTexts::aboutMessage(version); }
    Q_INVOKABLE QString lpmoveLocation(const QString &path) const { return ModelTexts::lpmoveLocation(path); }
    Q_INVOKABLE QString jobCount(int count) const { return ModelTexts::jobCount(count); }
    Q_INVOKABLE QString destinationCount(int count) const { return ModelTexts::destinationCount(count); }
    Q_INVOKABLE QString selectedJobsCaption(int count) const { return ModelTexts::selectedJobsCaption(count); }
    Q_INVOKABLE QString selectedJobsCount(int count) const { return ModelTexts::selectedJobsCount(count); }
    Q_INVOKABLE QString moveHint(int selectedCount) const { return ModelTexts::moveHint(selectedCount); }
};
