#!/usr/bin/env python3
"""Writes the sample package's text files in Windows-1252 with CR LF line
ends: the install script (task fields separated by byte 0xB6) and the
English and German localization files."""
import os, sys

root = sys.argv[1]
S = '\u00b6'  # field separator, byte 0xB6 in Windows-1252

def write(rel, lines):
    path = os.path.join(root, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(('\r\n'.join(lines) + '\r\n').encode('cp1252'))

def task(*fields):
    return S.join(fields)

script = [
    '; Install script of the Packwright sample package.',
    '; Written by hand for the project; the pack tool copies it unchanged',
    '; into the setup-data archive as Config/Script.ini.',
    '; Task fields are separated by the byte 0xB6; the file is Windows-1252.',
    ';',
    '[Header]',
    'FileID=Kestraline Packwright Script',
    'FileVersion=1',
    '[GeneralInformation]',
    'AppName=Packwright Sample',
    'Version=1.2',
    'CompanyName=Kestraline Examples',
    'Website=http://www.example.com/packwright',
    'Email=support@example.com',
    'OutPutFile=Setup.exe',
    'Compression=9',
    'W98=1', 'WME=1', 'WNT=1', 'W2K=1', 'WXP=1', 'WSV2003=1', 'WV=1', 'WSV2008=1',
    'DotNet=0',
    'RunIfDepNotFound=',
    '[Look]',
    'HeaderTextColour=$000000',
    'UseBackgroundWindow=0',
    'BFirstColorR=0', 'BFirstColorG=40', 'BFirstColorB=120',
    'BSecondColorR=0', 'BSecondColorG=0', 'BSecondColorB=0',
    'BTextColorR=255', 'BTextColorG=255', 'BTextColorB=255',
    'BHorizontal=1',
    'BVertical=0',
    'BText=<ProgramName> <ProgramVersion>',
    'WizBitmap=Resources\\WizBitmap.bmp',
    'HeadBitmap=Resources\\HeadBitmap.bmp',
    '[Folder]',
    'Folder=payload',
    '[FilesAndSettings]',
    'ReadMe=Resources\\ReadMe.txt',
    'License=Resources\\License.txt',
    'RequireReadme=1',
    'RequireLicense=1',
    '[InstTasks]',
    'Task0=' + task('[REGADDKEY]', '0', '', 'Software\\Kestraline Examples\\Packwright Sample'),
    'Task1=' + task('[REGADDVALUE]', '0', '0', 'Software\\Kestraline Examples\\Packwright Sample', 'InstallPath', '<DefaultInstallPath>'),
    'Task2=' + task('[REGADDVALUE]', '0', '1', 'Software\\Kestraline Examples\\Packwright Sample', 'Runs', '$0'),
    'Task3=' + task('[CREATEFOLDER]', '', '', '<DefaultInstallPath>\\Logs'),
    'Task4=' + task('[COPYFILE]', '<DefaultInstallPath>\\Docs\\Guide.txt', '<DefaultInstallPath>\\Guide copy.txt'),
    'Task5=' + task('[SHORTCUT]', '0', '1', '<DefaultStartMenuGroup>\\Hello.lnk', '<DefaultInstallPath>\\Tools\\hello.exe', 'Says hello', '0'),
    'Task6=' + task('[ADDINIKEY]', '<DefaultInstallPath>\\sample.ini', 'Settings', 'Greeting', 'Grüße'),
    'Task7=' + task('[ADDENVIRONMENTVARIABLE]', 'PACKWRIGHT_SAMPLE', '<DefaultInstallPath>'),
    'Task8=' + task('[ASSOCIATE]', 'pwsample', '<DefaultInstallPath>\\Tools\\hello.exe', 'Packwright sample file', '0'),
    'Task9=' + task('[RUN]', '1', '0', '/greet', '<DefaultInstallPath>\\Tools\\hello.exe', 'Packwright Sample', '0', '0'),
    'Task10=' + task('[SHORTCUT]', '1', '0', '<Desktop>\\Packwright Sample.lnk', '<DefaultInstallPath>\\Tools\\hello.exe', 'Packwright Sample', '0'),
    'Task11=' + task('[INTERNETLINK]', '1', '0', '<Desktop>\\Packwright on the web.url', 'http://www.example.com/packwright'),
    '[UninstTasks]',
    'Task0=' + task('[KILLTASK]', 'hello.exe'),
    'Task1=' + task('[REGDELKEY]', '0', '', 'Software\\Kestraline Examples'),
    '[Localization]',
    'Entry0=English',
    'Entry1=Deutsch',
    '[uConfig]',
    'RebootRequired=0',
    'SkipExtString=',
    'IconExtUninst=0',
    'IconExtCustom=0',
    'IconExtPath=',
    'IconExtIndex=0',
    'CreateUninstaller=1',
    '[iConfig]',
    'RebootRequired=0',
    'PathChangeable=1',
    'DefaultPath=',
    'AutoCreateStartMenu=1',
    'CreateInternetLink=1',
    'CreateUninstallLink=1',
    'ForceGroupCreation=1',
]
write('Config/Script.ini', script)

english_stub = [
    'Error', 'Fatal error creating uninstaller!', 'Installing files...', 'Estimated time remaining:',
    'Configuring the program...', 'Creating program groups...', 'Stopping applications...', 'Please confirm',
    "Are you sure you want to quit? You can install this program at a later time just by running the installer.<br><br>Press 'Yes' to exit or 'No' to continue with the installation.",
    'in the Program Files folder', 'in the root partition', 'in the installation path', 'in the Windows folder',
    'in the System folder', 'in the PureBasic folder', 'in the Quick-launch for all users', 'in the Quick-launch',
    'in the Programs menu for all users', 'in the Programs menu', 'on the Desktop for all users', 'on the Desktop',
    'in the Start menu for all users', 'in the Start menu', 'in the Documents folder for all users', 'in the Documents',
    'in the temporary folder', "in the program's group (Start menu)", 'in:',
    'Could not read the statistics file.',
    'You do not have enough free space on your drive. Please free some space and run this installer again.',
    'Could not read installation script from the temporary directory!',
    'This operating system is not supported by this installer!',
    'The program cannot be installed on this operating system version!',
    'One or more dependencies were not found on this computer. This program requires the .NET Framework version:',
    'Could not allocate memory to read the readme file.', 'Could not read the readme file.',
    'Could not allocate memory to read the license file.', 'Could not read the license file.',
    'Could not load the wizard bitmap.', 'Could not load the header bitmap.',
    'License Agreement', 'License for $APPNAME$', 'Important information',
    'Please read the following information before installing the software', 'Destination directory',
    "Press 'Browse' to choose another directory to install $APPNAME$.", 'Start menu group',
    'Where should Install make the program group?', 'Installation',
    'Kestraline Install System is now performing the setup procedure', 'Cancel', 'Next >', '< Previous', 'Finish',
    'Welcome to the $APPNAME$ version $APPVERSION$ installation wizard.',
    'Warning! This program is protected by copyright law and international treaties. Copying, reproducing or '
    'distributing it, in whole or in part, without the permission of its authors is not allowed and may lead to '
    'civil and criminal penalties. Please respect the work of the people who made it.',
    "Please close all active programs to avoid conflicts and press 'Next' to begin the setup procedure or 'Cancel' to exit this wizard.",
    'I understand and agree with the terms in the License Agreement', 'Destination directory', 'Browse',
    'Available space:', 'Required space:',
    'Setup will create a set of shortcuts in the Start menu. Please review the settings below.',
    "Don't create a Start menu group",
    'Setup is now installing the program. This may take a few minutes, depending on your computer hardware, software and free resources.',
    'Current action:', 'Finishing the $APPNAME$ installation wizard.',
    "The program was installed successfully. Press 'Finish' to close this installation wizard and return to your desktop.",
    'Could not examine the directory!', 'Run', 'Create shortcut', 'for', 'Create internet link',
    'Restart computer (recommended)', 'Reboot computer (recommended)', 'Warning', 'Please select a path for the program!',
    'Browse for folder', 'hour', 'hours', 'minute', 'minutes', 'second', 'seconds',
]
assert len(english_stub) == 84, len(english_stub)
english_uninst = [
    'Please wait while the program is uninstalled...', 'Cancel', 'Estimated time remaining:', 'Restart needed',
    'In order to finish the uninstallation, your computer needs to be restarted. Would you like to restart now?',
    'Success',
    'The program was uninstalled successfully, although some files could not be removed. Would you like to open the folder and delete them yourself?',
    'The program was uninstalled successfully.', 'Please confirm', 'Are you sure you want to uninstall $APPNAME$?',
    'hour', 'hours', 'minute', 'minutes', 'second', 'seconds',
]
german_stub = [
    'Fehler', 'Das Deinstallationsprogramm konnte nicht erstellt werden!', 'Dateien werden installiert...',
    'Verbleibende Zeit:', 'Das Programm wird eingerichtet...', 'Programmgruppen werden erstellt...',
    'Anwendungen werden beendet...', 'Bitte bestätigen',
    "Wollen Sie die Installation wirklich beenden? Sie können das Programm später installieren, indem Sie das Installationsprogramm erneut starten.<br><br>Drücken Sie 'Ja' zum Beenden oder 'Nein', um die Installation fortzusetzen.",
    'im Programme-Ordner', 'in der Stammpartition', 'im Installationspfad', 'im Windows-Ordner',
    'im System-Ordner', 'im PureBasic-Ordner', 'in der Schnellstartleiste für alle Benutzer', 'in der Schnellstartleiste',
    'im Programme-Menü für alle Benutzer', 'im Programme-Menü', 'auf dem Desktop für alle Benutzer', 'auf dem Desktop',
    'im Startmenü für alle Benutzer', 'im Startmenü', 'im Dokumente-Ordner für alle Benutzer', 'in den Dokumenten',
    'im temporären Ordner', 'in der Programmgruppe (Startmenü)', 'in:',
    'Die Statistikdatei konnte nicht gelesen werden.',
    'Auf Ihrem Laufwerk ist nicht genug freier Speicher. Bitte schaffen Sie Platz und starten Sie die Installation erneut.',
    'Das Installationsskript konnte nicht aus dem temporären Ordner gelesen werden!',
    'Dieses Betriebssystem wird von diesem Installationsprogramm nicht unterstützt!',
    'Das Programm kann auf dieser Version des Betriebssystems nicht installiert werden!',
    'Eine oder mehrere Abhängigkeiten wurden auf diesem Computer nicht gefunden. Das Programm benötigt das .NET Framework in der Version:',
    'Für die Liesmich-Datei konnte kein Speicher reserviert werden.', 'Die Liesmich-Datei konnte nicht gelesen werden.',
    'Für die Lizenzdatei konnte kein Speicher reserviert werden.', 'Die Lizenzdatei konnte nicht gelesen werden.',
    'Das Assistentenbild konnte nicht geladen werden.', 'Das Kopfbild konnte nicht geladen werden.',
    'Lizenzvereinbarung', 'Lizenz für $APPNAME$', 'Wichtige Informationen',
    'Bitte lesen Sie die folgenden Informationen vor der Installation', 'Zielordner',
    "Drücken Sie 'Durchsuchen', um einen anderen Ordner für $APPNAME$ zu wählen.", 'Startmenü-Gruppe',
    'Wo soll die Programmgruppe angelegt werden?', 'Installation',
    'Kestraline Install System führt jetzt die Installation durch', 'Abbrechen', 'Weiter >', '< Zurück', 'Fertig',
    'Willkommen beim Installationsassistenten von $APPNAME$ Version $APPVERSION$.',
    'Achtung! Dieses Programm ist urheberrechtlich geschützt. Wer es ganz oder teilweise ohne Erlaubnis seiner '
    'Urheber kopiert, vervielfältigt oder weitergibt, handelt unrechtmäßig und muss mit zivil- und strafrechtlichen '
    'Folgen rechnen. Bitte achten Sie die Arbeit der Menschen, die es geschaffen haben.',
    "Bitte schließen Sie alle laufenden Programme und drücken Sie 'Weiter', um zu beginnen, oder 'Abbrechen', um den Assistenten zu verlassen.",
    'Ich habe die Lizenzvereinbarung gelesen und stimme ihr zu', 'Zielordner', 'Durchsuchen',
    'Freier Speicher:', 'Benötigter Speicher:',
    'Das Setup legt Verknüpfungen im Startmenü an. Bitte prüfen Sie die Einstellungen unten.',
    'Keine Startmenü-Gruppe anlegen',
    'Das Programm wird jetzt installiert. Das kann je nach Hardware, Software und freien Ressourcen einige Minuten dauern.',
    'Aktueller Vorgang:', 'Die Installation von $APPNAME$ wird abgeschlossen.',
    "Das Programm wurde erfolgreich installiert. Drücken Sie 'Fertig', um den Assistenten zu schließen.",
    'Der Ordner konnte nicht gelesen werden!', 'Ausführen', 'Verknüpfung erstellen', 'für', 'Internetverknüpfung erstellen',
    'Computer neu starten (empfohlen)', 'Computer neu starten (empfohlen)', 'Warnung', 'Bitte wählen Sie einen Pfad für das Programm!',
    'Ordner suchen', 'Stunde', 'Stunden', 'Minute', 'Minuten', 'Sekunde', 'Sekunden',
]
assert len(german_stub) == 84, len(german_stub)
german_uninst = [
    'Bitte warten Sie, während das Programm entfernt wird...', 'Abbrechen', 'Verbleibende Zeit:', 'Neustart nötig',
    'Um die Deinstallation abzuschließen, muss der Computer neu gestartet werden. Jetzt neu starten?',
    'Erfolg',
    'Das Programm wurde entfernt, einige Dateien konnten aber nicht gelöscht werden. Wollen Sie den Ordner öffnen und sie selbst löschen?',
    'Das Programm wurde erfolgreich entfernt.', 'Bitte bestätigen', 'Wollen Sie $APPNAME$ wirklich entfernen?',
    'Stunde', 'Stunden', 'Minute', 'Minuten', 'Sekunde', 'Sekunden',
]

def language(name, stub, uninst):
    lines = ['; Packwright localization file', '[KSW Localization File]', 'Language=' + name,
             'Author=Kestraline Packwright team', 'Contact=support@example.com', 'Type=ASCII',
             '[LocalizationProgramData]', '0=Packwright', '[LocalizationStub]']
    lines += ['%d=%s' % (i, t) for i, t in enumerate(stub)]
    lines += ['[LocalizationUninstall]']
    lines += ['%d=%s' % (i, t) for i, t in enumerate(uninst)]
    return lines

write('Languages/English.ini', language('English', english_stub, english_uninst))
write('Languages/Deutsch.ini', language('Deutsch', german_stub, german_uninst))
