<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Время последней победы</source>
        <translation>Time of the last win</translation>
    </message>
    <message>
        <source>Нажатий в последней победе</source>
        <translation>Presses in the last win</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Game board</translation>
    </message>
    <message>
        <source>%1 на %2. Стрелки выбирают плитку, пробел открывает её.</source>
        <translation>%1 by %2. The arrow keys choose a tile, Space turns it over.</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>пусто</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>закрыта</source>
        <translation>face down</translation>
    </message>
    <message>
        <source>%1, ряд %2, столбец %3</source>
        <translation>%1, row %2, column %3</translation>
    </message>
    <message>
        <source>Край поля</source>
        <translation>Edge of the board</translation>
    </message>
    <message>
        <source>Пара убрана: %1.</source>
        <translation>Pair removed: %1.</translation>
    </message>
    <message>
        <source>Новая раскладка, %1 на %2.</source>
        <translation>A new deal, %1 by %2.</translation>
    </message>
    <message numerus="yes">
        <source>Победа: время %1, нажатий %n.</source>
        <translation>
            <numerusform>Won: time %1, %n press.</numerusform>
            <numerusform>Won: time %1, %n presses.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <source>Файл %1 не удалось прочитать целиком. Он сохранён как %2, а новый файл начат с того, что удалось прочитать.</source>
        <translation>The file %1 could not be read whole. It has been kept as %2, and a new file has been started from what could be read.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Язык (Language)</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Язык сменится при следующем запуске игры</source>
        <translation>The language changes at the next start of the game</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Игра</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>&amp;Игра</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Малая</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Большая</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Демонстрация</source>
        <translation>Demonstration</translation>
    </message>
    <message>
        <source>Метки цветов</source>
        <translation>Colour marks</translation>
    </message>
    <message>
        <source>&amp;Рекорды…</source>
        <translation>&amp;Best results…</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Настройки</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Мандала</source>
        <translation>&amp;Mandala</translation>
    </message>
    <message>
        <source>Му&amp;зыка</source>
        <translation>M&amp;usic</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
</context>
<context>
    <name>MatchScore</name>
    <message>
        <source>Пара ваша, счёт %1 : %2.</source>
        <translation>Your pair, score %1 : %2.</translation>
    </message>
    <message>
        <source>Пара игрока 1, счёт %1 : %2.</source>
        <translation>Player 1&apos;s pair, score %1 : %2.</translation>
    </message>
    <message>
        <source>Пара компьютера, счёт %1 : %2.</source>
        <translation>The computer&apos;s pair, score %1 : %2.</translation>
    </message>
    <message>
        <source>Пара игрока 2, счёт %1 : %2.</source>
        <translation>Player 2&apos;s pair, score %1 : %2.</translation>
    </message>
    <message>
        <source>Компьютер открыл плитку: %1.</source>
        <translation>The computer turned a tile: %1.</translation>
    </message>
    <message>
        <source>Вы %1 : %2 Компьютер</source>
        <translation>You %1 : %2 Computer</translation>
    </message>
    <message>
        <source>Игрок 1 %1 : %2 Игрок 2</source>
        <translation>Player 1 %1 : %2 Player 2</translation>
    </message>
    <message>
        <source>ваш ход</source>
        <translation>your turn</translation>
    </message>
    <message>
        <source>ход компьютера</source>
        <translation>the computer&apos;s turn</translation>
    </message>
    <message>
        <source>ход игрока 1</source>
        <translation>player 1&apos;s turn</translation>
    </message>
    <message>
        <source>ход игрока 2</source>
        <translation>player 2&apos;s turn</translation>
    </message>
    <message>
        <source>вы выиграли</source>
        <translation>you won</translation>
    </message>
    <message>
        <source>выиграл игрок 1</source>
        <translation>player 1 won</translation>
    </message>
    <message>
        <source>выиграл компьютер</source>
        <translation>the computer won</translation>
    </message>
    <message>
        <source>выиграл игрок 2</source>
        <translation>player 2 won</translation>
    </message>
    <message>
        <source>ничья</source>
        <translation>a draw</translation>
    </message>
    <message>
        <source>Счёт</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Партия</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>Ваш ход.</source>
        <translation>Your turn.</translation>
    </message>
    <message>
        <source>Ход компьютера.</source>
        <translation>The computer&apos;s turn.</translation>
    </message>
    <message>
        <source>Ход игрока 1.</source>
        <translation>Player 1&apos;s turn.</translation>
    </message>
    <message>
        <source>Ход игрока 2.</source>
        <translation>Player 2&apos;s turn.</translation>
    </message>
    <message>
        <source>Вы выиграли со счётом %1 : %2.</source>
        <translation>You won %1 : %2.</translation>
    </message>
    <message>
        <source>Игрок 1 выиграл со счётом %1 : %2.</source>
        <translation>Player 1 won %1 : %2.</translation>
    </message>
    <message>
        <source>Компьютер выиграл со счётом %1 : %2.</source>
        <translation>The computer won %1 : %2.</translation>
    </message>
    <message>
        <source>Игрок 2 выиграл со счётом %1 : %2.</source>
        <translation>Player 2 won %1 : %2.</translation>
    </message>
    <message>
        <source>Ничья, %1 : %2.</source>
        <translation>A draw, %1 : %2.</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>Не удалось открыть файл. Возможно расширение его имени не соответствует формату, в котором он сохранен.</source>
        <translation>Could not open the file. Perhaps the extension of its name does not match the format it was saved in.</translation>
    </message>
    <message>
        <source>Не удалось вывести звук. Возможно звуковая система не запущена или устройство вывода отключено.</source>
        <translation>Could not play the sound. Perhaps the sound system is not running or the output device is switched off.</translation>
    </message>
    <message>
        <source>Выбрать музыкальный файл</source>
        <translation>Choose a music file</translation>
    </message>
    <message>
        <source>Начать воспроизведение</source>
        <translation>Start playing</translation>
    </message>
    <message>
        <source>Закончить воспроизведение</source>
        <translation>Stop playing</translation>
    </message>
</context>
<context>
    <name>OpenDialogChooser</name>
    <message>
        <source>Музыкальные файлы   *.mp?,    *.wav </source>
        <translation>Music files   *.mp?,    *.wav </translation>
    </message>
    <message>
        <source>Все файлы   *.*</source>
        <translation>All files   *.*</translation>
    </message>
    <message>
        <source>Музыкальные файлы (*.mp? *.wav)</source>
        <translation>Music files (*.mp? *.wav)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>OpponentMenu</name>
    <message>
        <source>Соперник</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>Выбор вступает в силу со следующей раздачи.</source>
        <translation>The choice takes effect from the next deal.</translation>
    </message>
    <message>
        <source>Без соперника</source>
        <translation>No opponent</translation>
    </message>
    <message>
        <source>Компьютер: лёгкий</source>
        <translation>Computer: easy</translation>
    </message>
    <message>
        <source>Компьютер: средний</source>
        <translation>Computer: medium</translation>
    </message>
    <message>
        <source>Компьютер: сильный</source>
        <translation>Computer: strong</translation>
    </message>
    <message>
        <source>Второй игрок</source>
        <translation>Second player</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>чёрный</source>
        <translation>black</translation>
    </message>
    <message>
        <source>тёмно-синий</source>
        <translation>dark blue</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>тёмно-зелёный</source>
        <translation>dark green</translation>
    </message>
    <message>
        <source>тёмно-бирюзовый</source>
        <translation>dark turquoise</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>ярко-зелёный</source>
        <translation>bright green</translation>
    </message>
    <message>
        <source>песочный</source>
        <translation>sand</translation>
    </message>
    <message>
        <source>бирюзовый</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>тёмно-красный</source>
        <translation>dark red</translation>
    </message>
    <message>
        <source>фиолетовый</source>
        <translation>purple</translation>
    </message>
    <message>
        <source>белый</source>
        <translation>white</translation>
    </message>
    <message>
        <source>оливковый</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>васильковый</source>
        <translation>cornflower blue</translation>
    </message>
    <message>
        <source>тёмно-серый</source>
        <translation>dark grey</translation>
    </message>
    <message>
        <source>светло-зелёный</source>
        <translation>light green</translation>
    </message>
    <message>
        <source>лавандовый</source>
        <translation>lavender</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>red</translation>
    </message>
    <message>
        <source>малиновый</source>
        <translation>raspberry</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>розовый</source>
        <translation>pink</translation>
    </message>
    <message>
        <source>светло-пурпурный</source>
        <translation>light magenta</translation>
    </message>
</context>
<context>
    <name>PicturePage</name>
    <message>
        <source>Мандала</source>
        <translation>Mandala</translation>
    </message>
    <message>
        <source>Мандала, негатив</source>
        <translation>Mandala, negative</translation>
    </message>
    <message>
        <source>Щелчок меняет картинку на негатив и обратно</source>
        <translation>A click turns the picture into its negative and back</translation>
    </message>
</context>
<context>
    <name>PreferencesKeeper</name>
    <message>
        <source>Выбор не удалось сохранить в файле %1: %2. Он действует до выхода из игры.</source>
        <translation>The choice could not be saved in the file %1: %2. It holds until you leave the game.</translation>
    </message>
</context>
<context>
    <name>ResultsDialog</name>
    <message>
        <source>Рекорды</source>
        <translation>Best results</translation>
    </message>
    <message>
        <source>Место</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Нажатия</source>
        <translation>Presses</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>&amp;Сбросить</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Малая доска 6 × 4</source>
        <translation>Small board 6 × 4</translation>
    </message>
    <message>
        <source>Большая доска 8 × 6</source>
        <translation>Large board 8 × 6</translation>
    </message>
    <message>
        <source>Очистить таблицу «%1»?</source>
        <translation>Clear the table “%1”?</translation>
    </message>
    <message>
        <source>%1: %2, новый рекорд</source>
        <translation>%1: %2, a new best result</translation>
    </message>
    <message>
        <source>Компьютер</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Победы</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>Поражения</source>
        <translation>Losses</translation>
    </message>
    <message>
        <source>Ничьи</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>Против компьютера</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>Лёгкий</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Средний</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Сильный</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>ru_RU</source>
        <comment>the locale whose month names the dates of the results use</comment>
        <translation>en_GB</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm t</source>
        <comment>the date of a result, as QDateTime writes it</comment>
        <translation>d MMMM yyyy, HH:mm t</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Рекорд: %1-е место на малой доске</source>
        <translation>Best result: place %1 on the small board</translation>
    </message>
    <message>
        <source>Рекорд: %1-е место на большой доске</source>
        <translation>Best result: place %1 on the large board</translation>
    </message>
    <message>
        <source>Результат не удалось сохранить в файле %1: %2.</source>
        <translation>The result could not be saved in the file %1: %2.</translation>
    </message>
    <message>
        <source>Сброс рекордов не удалось сохранить в файле %1: %2.</source>
        <translation>The clearing of the best results could not be saved in the file %1: %2.</translation>
    </message>
    <message>
        <source>Итог партии не удалось сохранить в файле %1: %2.</source>
        <translation>The result of the match could not be saved in the file %1: %2.</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Одноцветные панельки</source>
        <translation>Plain tiles</translation>
    </message>
    <message>
        <source>Внутренняя рамка</source>
        <translation>Inner bevel</translation>
    </message>
    <message>
        <source>Внешняя рамка</source>
        <translation>Outer bevel</translation>
    </message>
    <message>
        <source>  Глубина рамок</source>
        <translation>  Bevel depth</translation>
    </message>
    <message>
        <source>Цвет панелек</source>
        <translation>Tile colour</translation>
    </message>
    <message>
        <source>Цвет фона</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>  Между панелями</source>
        <translation>  Gap between tiles</translation>
    </message>
    <message>
        <source>Цветные панельки</source>
        <translation>Coloured tiles</translation>
    </message>
    <message>
        <source>По умолчанию</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Глубина рамок одноцветных панелек</source>
        <translation>Bevel depth of plain tiles</translation>
    </message>
    <message>
        <source>Глубина рамок цветных панелек</source>
        <translation>Bevel depth of coloured tiles</translation>
    </message>
    <message>
        <source>Между панелями</source>
        <translation>Gap between tiles</translation>
    </message>
    <message>
        <source>Цвет одноцветных панелек</source>
        <translation>Colour of plain tiles</translation>
    </message>
    <message>
        <source>Меняет вид рамки по кругу</source>
        <translation>Cycles through the bevel styles</translation>
    </message>
    <message>
        <source>Открывает выбор цвета</source>
        <translation>Opens the colour chooser</translation>
    </message>
    <message>
        <source>Образец: Одноцветные панельки</source>
        <translation>Sample: Plain tiles</translation>
    </message>
    <message>
        <source>Образец: Цветные панельки</source>
        <translation>Sample: Coloured tiles</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>выпуклая</source>
        <translation>raised</translation>
    </message>
    <message>
        <source>вдавленная</source>
        <translation>lowered</translation>
    </message>
    <message>
        <source>плоская</source>
        <translation>flat</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Внутренняя рамка одноцветных панелек: %1</source>
        <translation>Inner bevel of plain tiles: %1</translation>
    </message>
    <message>
        <source>Внешняя рамка одноцветных панелек: %1</source>
        <translation>Outer bevel of plain tiles: %1</translation>
    </message>
    <message>
        <source>Внутренняя рамка цветных панелек: %1</source>
        <translation>Inner bevel of coloured tiles: %1</translation>
    </message>
    <message>
        <source>Внешняя рамка цветных панелек: %1</source>
        <translation>Outer bevel of coloured tiles: %1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>%1 — игра в цветные пары.</source>
        <translation>%1 — a game of colour pairs.</translation>
    </message>
    <message>
        <source>Тилими %1</source>
        <translation>Tilimi %1</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Больше</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>Меньше</source>
        <translation>Decrease</translation>
    </message>
</context>
</TS>
