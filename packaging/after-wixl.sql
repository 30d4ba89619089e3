-- What the installer needs and wixl 0.101 cannot express, applied by scripts/package with msibuild, one
-- statement a line. @UPGRADE_CODE@ and @VERSION@ are filled in from the installer being built.
-- The Startup-folder shortcut only while STARTUP is 1 (the default; STARTUP=0 on the msiexec command line).
UPDATE `Component` SET `Condition` = 'STARTUP = "1"' WHERE `Component` = 'StartupShortcut'
-- The same version again replaces the installed one, so that there is never a second entry.
DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'
INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`) VALUES ('@UPGRADE_CODE@', '@VERSION@', 513, 'WIX_UPGRADE_DETECTED')
-- The refusal of a downgrade, in Japanese and English (wixl drops texts it cannot put in a neutral code page).
UPDATE `LaunchCondition` SET `Description` = '新しいバージョンの Hourglade がインストールされています。このバージョンを入れるには、先にそれをアンインストールしてください。 A newer version of Hourglade is already installed; uninstall it first to install this version.' WHERE `Condition` = 'NOT WIX_DOWNGRADE_DETECTED'
