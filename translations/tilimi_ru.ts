<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ru">
<context>
    <name>BoardView</name>
    <message numerus="yes">
        <source>Победа: время %1, нажатий %n.</source>
        <translation>
            <numerusform>Победа: время %1, нажатий %n.</numerusform>
            <numerusform>Победа: время %1, нажатий %n.</numerusform>
            <numerusform>Победа: время %1, нажатий %n.</numerusform>
        </translation>
    </message>
</context>
</TS>
