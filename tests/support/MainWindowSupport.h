#pragma once

#include "FakeLegacyRegistry.h"
#include "ScratchFolder.h"
#include "TestSupport.h"

#include "gui/app/CairnlyApp.h"
#include "gui/app/MainPanel.h"
#include "gui/app/MainWindow.h"
#include "gui/listview/GearListView.h"
#include "gui/listview/GearTableModel.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The whole program started in a scratch folder, with scripted prompts and dialogs and no legacy key.
class MainWindowTest : public ::testing::Test
{
protected:
    ScratchFolder folder;
    ScriptedPrompts prompts;
    ScriptedRunner runner;
    ScriptedDesktop desktop;
    FakeLegacyRegistry registry;
    std::unique_ptr<CairnlyApp> app;

    void SetUp() override { registry.exists = false; }

    void TearDown() override
    {
        app.reset();
        EXPECT_TRUE(runner.steps.empty()) << runner.steps.size() << " dialogs were expected but never ran";
        EXPECT_TRUE(prompts.answers.empty());
        EXPECT_TRUE(desktop.answers.empty());
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }

    // Starts the program; on a first start the units dialog is answered with the given choice.
    void start(std::optional<bool> firstStartMetric = false)
    {
        if (firstStartMetric) {
            runner.steps.push_back([metric = *firstStartMetric](QDialog& dialog) {
                dialog.findChild<QRadioButton*>(metric ? "metricRadioButton" : "nonMetricRadioButton")
                    ->setChecked(true);
                return press(dialog, "okButton");
            });
        }
        app = std::make_unique<CairnlyApp>(folder.path(), prompts, runner, desktop, registry);
        app->show();
        QApplication::processEvents();
    }

    // Closes the window as the user would; true when it closed.
    bool closeWindow()
    {
        const bool closed = app->mainWindow().close();
        if (closed)
            app.reset();
        return closed;
    }

    MainPanel& mainPanel() { return app->mainPanel(); }
    cairnly::GearDocument& document() { return app->document(); }
    cairnly::GearList& rows() { return document().list(); }
    GearListView* view() { return mainPanel().listView(); }
    GearTableModel* model() { return mainPanel().tableModel(); }
    const MainPanel::Commands& commands() { return mainPanel().commands(); }
    const MainWindow::Commands& windowCommands() { return app->mainWindow().commands(); }
    template <class T>
    T* widget(const char* name)
    {
        T* found = app->mainWindow().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString totalLine() { return widget<QLabel>("totalLabel")->text(); }

    // Adds an item through the editor's OK.
    void addThroughEditor(const QString& category, const QString& item, const QString& weight,
                          const QString& multiplier = QStringLiteral("1"), const QStringList& texts = {})
    {
        runner.steps.push_back([=](QDialog& dialog) {
            auto* box = dialog.findChild<QComboBox*>("categoryComboBox");
            box->setCurrentIndex(box->findText(category));
            dialog.findChild<QLineEdit*>("itemEdit")->setText(item);
            dialog.findChild<QLineEdit*>("weightEdit")->setText(weight);
            dialog.findChild<QLineEdit*>("multiplierEdit")->setText(multiplier);
            auto* columns = dialog.findChild<QListWidget*>("columnListWidget");
            for (int i = 0; i < texts.size(); ++i) {
                columns->setCurrentRow(i);
                dialog.findChild<QLineEdit*>("columnTextEdit")->setText(texts[i]);
            }
            columns->setCurrentRow(0); // changing the column commits the text typed last
            return press(dialog, "okButton");
        });
        commands().add->trigger();
    }

    // Every row as the window shows it: "<tick> cell|cell|...".
    std::vector<std::string> shownRows()
    {
        std::vector<std::string> lines;
        for (int row = 0; row < model()->rowCount(); ++row) {
            const bool ticked = model()->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
            std::string line = ticked ? "x " : "- ";
            for (int column = 0; column < model()->columnCount(); ++column)
                line += (column ? "|" : "") + model()->index(row, column).data().toString().toStdString();
            lines.push_back(line);
        }
        return lines;
    }

    int rowShowing(const QString& item)
    {
        for (int row = 0; row < model()->rowCount(); ++row) {
            if (model()->index(row, 1).data().toString() == item)
                return row;
        }
        ADD_FAILURE() << "no row shows " << item.toStdString();
        return -1;
    }

    void tick(int row, bool on = true)
    {
        model()->setData(model()->index(row, 0), on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        QApplication::processEvents();
    }

    void highlight(const QList<int>& rowsToHighlight)
    {
        view()->selectionModel()->clearSelection();
        for (int row : rowsToHighlight)
            view()->selectionModel()->select(model()->index(row, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    // The next Create Group dialog gets this name and OK.
    void nameNextGroup(const QString& name)
    {
        runner.steps.push_back([name](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("groupNameEdit")->setText(name);
            return press(dialog, "okButton");
        });
    }

    // Drops one row onto another as the view reports it at the end of a drag.
    void drop(int source, int target)
    {
        emit view()->rowDropped(source, target);
        QApplication::processEvents();
    }

    void clickCell(int row, int column)
    {
        const QRect cell = view()->visualRect(model()->index(row, column));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cell.center());
        QApplication::processEvents();
    }

    void clickHeading(int column)
    {
        QHeaderView* header = view()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }
};

using Lines = std::vector<std::string>;
