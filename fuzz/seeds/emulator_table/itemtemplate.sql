-- Item templates written for the reader's tests: every bonus kind and the odd rows a real dump holds.
/*!40101 SET NAMES utf8 */;
/*!40101 SET @OLD_SQL_MODE=@@SQL_MODE, SQL_MODE='NO_AUTO_VALUE_ON_ZERO' */;

CREATE TABLE IF NOT EXISTS `itemtemplate` (
  `Id_nb` varchar(255) NOT NULL,
  `Name` text NOT NULL,
  `LastTimeRowUpdated` datetime NOT NULL DEFAULT '2000-01-01 00:00:00;',
  PRIMARY KEY (`Id_nb`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3;

REPLACE INTO `itemtemplate` (`Id_nb`, `TranslationId`, `Name`, `Level`, `Quality`, `DPS_AF`, `SPD_ABS`, `Hand`, `Type_Damage`, `Object_Type`, `Item_Type`, `Bonus1`, `Bonus2`, `Bonus3`, `Bonus4`, `Bonus5`, `Bonus6`, `Bonus7`, `Bonus8`, `Bonus9`, `Bonus10`, `ExtraBonus`, `Bonus1Type`, `Bonus2Type`, `Bonus3Type`, `Bonus4Type`, `Bonus5Type`, `Bonus6Type`, `Bonus7Type`, `Bonus8Type`, `Bonus9Type`, `Bonus10Type`, `ExtraBonusType`, `Price`, `Realm`, `AllowedClasses`, `BonusLevel`, `LevelRequirement`, `Description`) VALUES
	('qm_band_of_the_warden', NULL, 'Warden\'s Band (Hib)', 50, 100, 0, 0, 0, 0, 41, 35, 12, 5, 3, 8, 0, 0, 0, 0, 0, 0, 0, 1, 13, 164, 250, 0, 0, 0, 0, 0, 0, 0, 120000, 3, '46;31', 40, 50, 'a "quoted"; note, with (parens)'),
	('qm_wolfheart_ring', NULL, 'Ring of the Wolf''s Heart', 47, 99, 0, 0, 0, 0, 41, 36, 6, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 125, 191, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9000, 2, '0', 35, 45, NULL),
	('qm_cloak_of_eleven', 'tr_cloak', 'Cloak of Eleven Stars', 51, 100, 0, 0, 0, 0, 41, 26, 10, 10, 10, 10, 40, 5, 5, 5, 4, 4, 2, 1, 2, 3, 4, 10, 12, 15, 18, 201, 202, 148, NULL, 0, '', 45, 50, NULL),
	('qm_plain_sword', NULL, 'Plain Steel Sword', 50, 95, 165, 37, 0, 2, 3, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 500, 1, '2;9;1', 0, 50, NULL),
	('qm_worn_boots', NULL, 'Worn Leather Boots', 20, 90, 14, 10, 0, 0, 33, 23, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 2, '0', 0, 20, NULL),
	('qm_arrows', NULL, 'Bundle of Arrows', 19, 100, 0, 0, 0, 3, 43, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, '0', 0, 0, NULL),
	('qm_band_of_the_warden', NULL, 'Warden\'s Band (Hib)', 50, 100, 0, 0, 0, 0, 41, 35, 12, 5, 3, 8, 0, 0, 0, 0, 0, 0, 0, 1, 13, 164, 250, 0, 0, 0, 0, 0, 0, 0, 120000, 3, '46;31', 40, 50, 'a "quoted"; note, with (parens)'),
	('qm_tower_shield', NULL, 'Tower Shield', 50, 100, 165, 45, 2, 3, 42, 11, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 700, 1, '0', 30, 50, NULL),
	('qm_silver_lute', NULL, 'Silver Lute', 50, 100, 165, 45, 1, 0, 45, 12, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 35, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 700, 1, '4', 30, 50, NULL),
	('qm_falling_stone', NULL, 'Stone of Soft Landing', 50, 100, 0, 0, 0, 0, 41, 37, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 233, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 700, 0, '0', 0, 50, NULL);

# A table the reader passes over.
INSERT INTO `spell` VALUES (1, 'Itemtemplate (not really)'), (2, 'x');

INSERT INTO itemtemplate VALUES
	('qm_plain_bracer', NULL, 'Plain Bracer', NULL, NULL, 48, 0, 0, 0, 0, 0, 98, 0, 0, 0, 0, 41, 34, 0, 0, 0, 0, 0, 0, 0, 7, -2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 17, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, '22;31', 0, 30, 45, 'Test', NULL, NULL, 0, '2000-01-01 00:00:00', 'qm_plain_bracer', NULL);
